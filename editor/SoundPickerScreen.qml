pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Editor

// The sound picker: the ring sounds by name over the menu picture, the
// chosen one in the brand colour with a check mark.
Item {
    id: screen
    required property SoundPickerScreen controller

    Image {
        anchors.fill: parent
        source: Kit.backgroundPictureUrl("menu-bg.jpg")
        fillMode: Image.PreserveAspectCrop
    }
    Flickable {
        anchors.fill: parent
        anchors.topMargin: 44
        contentHeight: list.height + 20
        clip: true
        Column {
            id: list
            width: parent.width
            topPadding: 10
            Repeater {
                model: screen.controller.soundNames
                delegate: Item {
                    id: row
                    required property string modelData
                    required property int index
                    readonly property bool chosen: index === screen.controller.chosenRow
                    objectName: "soundRow" + index
                    width: list.width
                    height: 44
                    // A button, so assistive tools can press it; selected when chosen.
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData
                    Accessible.selectable: true
                    Accessible.selected: chosen
                    Accessible.onPressAction: screen.controller.tapRow(index)
                    Text {
                        x: 30
                        y: 10
                        width: 240
                        height: 24
                        verticalAlignment: Text.AlignVCenter
                        text: row.modelData
                        color: row.chosen ? Kit.brandColor : "white"
                        font.family: Kit.lightFontFamily
                        font.pixelSize: 17
                        Behavior on color { ColorAnimation { duration: 200 } }
                    }
                    Text {
                        x: 276
                        y: 10
                        height: 24
                        verticalAlignment: Text.AlignVCenter
                        visible: row.chosen
                        text: "✓"
                        color: Kit.brandColor
                        font.pixelSize: 18
                    }
                    Rectangle {
                        x: 25
                        y: 43
                        width: 270
                        height: 1
                        color: Qt.rgba(1, 1, 1, 0.2)
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: screen.controller.tapRow(row.index)
                    }
                }
            }
        }
    }
    EditorTopBar {
        width: parent.width
        title: screen.controller.titleViewText
        leftTitle: "‹ " + screen.controller.backTitle
        leftName: screen.controller.backTitle
        onLeftPressed: screen.controller.goBack()
    }
}
