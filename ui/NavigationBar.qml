import QtQuick
import Tolvek

// The bar of a navigation stack: the screen's left button (or a back button
// when there is a screen below), and its title.
Rectangle {
    id: bar
    property NavigationStack navigation
    property ScreenController screen
    readonly property bool canGoBack: navigation && navigation.screens.length > 1

    height: 44
    color: Qt.rgba(0, 0, 0, 0.3)

    Image {
        id: leftButton
        objectName: "leftBarButton"
        x: 6
        width: 44
        height: 44
        visible: bar.screen !== null && bar.screen.leftBarButtonPicture !== "" && !bar.canGoBack
        source: visible ? Kit.pictureUrl(bar.screen.leftBarButtonPicture) : ""
        fillMode: Image.Pad
        Accessible.role: Accessible.Button
        Accessible.name: bar.screen ? bar.screen.leftBarButtonName : ""
        Accessible.onPressAction: bar.screen.triggerLeftBarButton()
        MouseArea {
            anchors.fill: parent
            onClicked: bar.screen.triggerLeftBarButton()
        }
    }
    Image {
        objectName: "rightBarButton"
        anchors.right: parent.right
        anchors.rightMargin: 6
        width: 44
        height: 44
        visible: bar.screen !== null && bar.screen.rightBarButtonPicture !== ""
        opacity: visible && bar.screen.rightBarButtonEnabled ? 1 : 0.4
        source: visible ? Kit.pictureUrl(bar.screen.rightBarButtonPicture) : ""
        fillMode: Image.Pad
        Accessible.role: Accessible.Button
        Accessible.name: bar.screen ? bar.screen.rightBarButtonName : ""
        Accessible.onPressAction: bar.screen.triggerRightBarButton()
        MouseArea {
            anchors.fill: parent
            enabled: parent.visible && bar.screen.rightBarButtonEnabled
            onClicked: bar.screen.triggerRightBarButton()
        }
    }
    Text {
        objectName: "backButton"
        x: 10
        height: 44
        visible: bar.canGoBack
        verticalAlignment: Text.AlignVCenter
        text: "‹"
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Back")
        Accessible.onPressAction: bar.navigation.pop(true)
        color: Kit.brandColor
        font.pixelSize: 34
        font.family: Kit.lightFontFamily
        MouseArea {
            anchors.fill: parent
            anchors.margins: -10
            onClicked: bar.navigation.pop(true)
        }
    }
    TitleLabel {
        anchors.centerIn: parent
        Accessible.role: Accessible.Heading
        Accessible.name: text
        visible: bar.screen !== null && bar.screen.titleViewText !== ""
        text: visible ? bar.screen.titleViewText : ""
    }
    Text {
        anchors.centerIn: parent
        visible: bar.screen !== null && bar.screen.titleViewText === ""
        text: visible ? bar.screen.title : ""
        color: "white"
        font.pixelSize: 17
    }
}
