import QtQuick
import Tolvek

// The top bar of the editor's screens: a text button on the left, the house
// title in the middle and, when given, a text button on the right.
Rectangle {
    id: bar
    property string title
    property string leftTitle
    property string leftName: leftTitle
    property string rightTitle
    property bool rightEnabled: true
    signal leftPressed()
    signal rightPressed()

    height: 44
    color: Qt.rgba(0, 0, 0, 0.55)

    component BarButton: Item {
        id: button
        property string title
        property string name: title
        property bool enabledNow: true
        signal pressed()
        width: label.implicitWidth + 24
        height: 44
        opacity: enabledNow ? 1 : 0.4
        Accessible.role: Accessible.Button
        Accessible.name: name
        Accessible.onPressAction: if (button.enabledNow) button.pressed()
        Text {
            id: label
            anchors.centerIn: parent
            text: button.title
            color: Kit.brandColor
            font.family: Kit.lightFontFamily
            font.pixelSize: 17
        }
        MouseArea {
            anchors.fill: parent
            enabled: button.enabledNow
            onClicked: button.pressed()
        }
    }

    BarButton {
        objectName: "barLeftButton"
        anchors.left: parent.left
        title: bar.leftTitle
        name: bar.leftName
        onPressed: bar.leftPressed()
    }
    TitleLabel {
        anchors.centerIn: parent
        text: bar.title
        Accessible.role: Accessible.Heading
        Accessible.name: bar.title
    }
    BarButton {
        objectName: "barRightButton"
        anchors.right: parent.right
        visible: bar.rightTitle !== ""
        title: bar.rightTitle
        enabledNow: bar.rightEnabled
        onPressed: bar.rightPressed()
    }
}
