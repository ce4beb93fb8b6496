pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Skins

// A skin full screen with the clock on it: "Cancel" or "Set".
Item {
    id: screen
    required property SkinPreviewScreen controller

    Image {
        objectName: "previewBackground"
        anchors.fill: parent
        source: screen.controller.backgroundUrl
        fillMode: Image.PreserveAspectCrop
    }
    TimeView {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 84
        width: parent.width - 40
        labelColor: "white"
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 40
        spacing: 20
        Repeater {
            model: [
                { "name": "cancelButton", "title": screen.controller.cancelTitle },
                { "name": "setButton", "title": screen.controller.setTitle }
            ]
            delegate: Rectangle {
                id: button
                required property var modelData
                required property int index
                function press() { index === 0 ? screen.controller.cancel() : screen.controller.confirm() }
                objectName: modelData.name
                width: 120
                height: 40
                radius: 20
                color: index === 1 ? Kit.brandColor : Qt.rgba(0, 0, 0, 0.4)
                border.color: "white"
                border.width: index === 1 ? 0 : 1
                Accessible.role: Accessible.Button
                Accessible.name: modelData.title
                Accessible.onPressAction: button.press()
                Text {
                    anchors.centerIn: parent
                    text: button.modelData.title
                    color: "white"
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 17
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: button.press()
                }
            }
        }
    }
}
