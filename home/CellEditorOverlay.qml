pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Home

// The in-cell editor that flips in over a row: close, on/off, edit, preview,
// delete. It only tells the home screen what was pressed.
Item {
    id: overlay
    required property HomeScreen controller
    property real flipAngle: -90


    transform: Rotation {
        origin.x: overlay.width / 2
        origin.y: overlay.height / 2
        axis { x: 0; y: 1; z: 0 }
        angle: overlay.flipAngle
    }

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0.10, 0.42, 0.48, 0.96)
    }
    Text {
        objectName: "closeButton"
        x: 8
        width: 36
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        text: "×"
        color: "white"
        font.pixelSize: 30
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Close")
        Accessible.onPressAction: overlay.controller.closeOverlay()
        MouseArea {
            anchors.fill: parent
            onClicked: overlay.controller.closeOverlay()
        }
    }
    Row {
        x: 52
        height: parent.height
        spacing: 6
        Repeater {
            model: [
                { "name": qsTr("Edit"), "glyph": "✎", "action": "edit" },
                { "name": qsTr("Preview"), "glyph": "▶", "action": "preview" },
                { "name": qsTr("Delete"), "glyph": "✕", "action": "delete" }
            ]
            delegate: Item {
                id: button
                required property var modelData
                objectName: modelData.action + "Button"
                width: 60
                height: overlay.height
                function press() {
                    if (modelData.action === "edit")
                        overlay.controller.editSelected()
                    else if (modelData.action === "preview")
                        overlay.controller.previewSelected()
                    else
                        overlay.controller.deleteSelected()
                }
                Accessible.role: Accessible.Button
                Accessible.name: modelData.name
                Accessible.onPressAction: button.press()
                Text {
                    y: 18
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: button.modelData.glyph
                    color: "white"
                    font.pixelSize: 24
                }
                Text {
                    y: 56
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: button.modelData.name
                    color: "white"
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 13
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: button.press()
                }
            }
        }
    }
    OnOffSwitch {
        objectName: "overlaySwitch"
        x: 260
        anchors.verticalCenter: parent.verticalCenter
        checked: overlay.controller.selectedActive
        onToggled: on => overlay.controller.setSelectedActive(on)
    }
}
