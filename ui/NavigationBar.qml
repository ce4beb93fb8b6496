import QtQuick
import Tolvek

// The bar of a navigation stack: the screen's left button (or a back button
// when there is a screen below), its right button, and its title.
Rectangle {
    id: bar
    property NavigationStack navigation
    property ScreenController screen
    readonly property bool canGoBack: navigation !== null && navigation.canGoBack

    height: 44
    color: Qt.rgba(0, 0, 0, 0.3)

    Image {
        objectName: "leftBarButton"
        anchors.left: parent.left
        anchors.leftMargin: 6
        width: 44
        height: 44
        visible: bar.screen !== null && bar.screen.leftBarButtonPicture !== "" && !bar.canGoBack
        source: visible ? Kit.pictureUrl(bar.screen.leftBarButtonPicture) : ""
        fillMode: Image.Pad
        Accessible.role: Accessible.Button
        Accessible.name: bar.screen ? bar.screen.leftBarButtonName : ""
        Accessible.checkable: bar.screen ? bar.screen.leftBarButtonOpensPanel : false
        Accessible.checked: bar.screen ? bar.screen.leftBarButtonPanelOpen : false
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
        anchors.left: parent.left
        anchors.leftMargin: 10
        height: 44
        visible: bar.canGoBack
        verticalAlignment: Text.AlignVCenter
        text: "‹"
        color: Kit.brandColor
        font.pixelSize: 34
        font.family: Kit.lightFontFamily
        Accessible.role: Accessible.Button
        Accessible.name: bar.navigation ? bar.navigation.backButtonTitle : ""
        Accessible.onPressAction: bar.navigation.pop(true)
        MouseArea {
            anchors.fill: parent
            anchors.margins: -10
            onClicked: bar.navigation.pop(true)
        }
    }
    TitleLabel {
        anchors.centerIn: parent
        visible: bar.screen !== null && bar.screen.titleViewText !== ""
        text: visible ? bar.screen.titleViewText : ""
    }
    Text {
        anchors.centerIn: parent
        visible: bar.screen !== null && bar.screen.titleViewText === ""
        text: visible ? bar.screen.title : ""
        color: "white"
        font.pixelSize: 17
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
}
