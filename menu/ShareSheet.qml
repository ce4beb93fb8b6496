pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Menu

// The share sheet: a dimmed window with the places to share the app at the bottom.
Item {
    id: screen
    required property ShareSheet controller

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.4)
        MouseArea {
            anchors.fill: parent
            onClicked: screen.controller.cancel()
        }
    }

    component SheetButton: Rectangle {
        id: button
        property alias text: label.text
        property bool emphasised: false
        signal activated()
        width: parent.width
        height: 46
        radius: 8
        color: tap.pressed ? "#dddddd" : "white"
        Accessible.role: Accessible.Button
        Accessible.name: label.text
        Accessible.onPressAction: button.activated()
        Text {
            id: label
            anchors.centerIn: parent
            color: Kit.brandColor
            font.family: Kit.lightFontFamily
            font.pixelSize: 19
            font.bold: button.emphasised
        }
        MouseArea {
            id: tap
            anchors.fill: parent
            onClicked: button.activated()
        }
    }

    Column {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 10
        spacing: 6
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: screen.controller.sheetTitle
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 15
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Repeater {
            model: screen.controller.entries
            delegate: SheetButton {
                required property string modelData
                required property int index
                objectName: "shareEntry" + index
                text: modelData
                onActivated: screen.controller.choose(index)
            }
        }
        SheetButton {
            objectName: "shareCancel"
            text: screen.controller.cancelTitle
            emphasised: true
            onActivated: screen.controller.cancel()
        }
    }
}
