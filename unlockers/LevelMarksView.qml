import QtQuick
import Tolvek
import Tolvek.Unlockers

// The difficulty rating: "Level" and five marks.
Item {
    id: view
    required property LevelMarks level

    implicitWidth: 80
    implicitHeight: 15
    Accessible.role: Accessible.StaticText
    Accessible.name: view.level.levelText + " " + view.level.level

    Text {
        id: label
        anchors.left: parent.left
        anchors.leftMargin: 3
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 30
        verticalAlignment: Text.AlignVCenter
        text: view.level.levelText
        color: Kit.colorWithHex(0x898989)
        font.family: Kit.lightFontFamily
        font.pixelSize: 9
        Accessible.ignored: true
    }
    // The marks start a little inside the label's box, which is wider than its word.
    Row {
        anchors.left: label.right
        anchors.leftMargin: -4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
        Repeater {
            model: view.level.marks
            delegate: Image {
                required property string modelData
                required property int index
                objectName: "levelMark" + index
                width: 8
                height: 8
                source: Kit.pictureUrl(modelData)
                Accessible.ignored: true
            }
        }
    }
}
