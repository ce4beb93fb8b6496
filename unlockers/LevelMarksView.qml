import QtQuick
import Tolvek

// The difficulty rating: "Level" and five marks.
Item {
    id: view
    required property var level

    width: 80
    height: 15

    Text {
        x: 3
        width: 30
        height: 15
        verticalAlignment: Text.AlignVCenter
        text: view.level.levelText
        color: Kit.colorWithHex(0x898989)
        font.family: Kit.lightFontFamily
        font.pixelSize: 9
    }
    Repeater {
        model: view.level.markFrames
        delegate: Image {
            required property var modelData
            required property int index
            objectName: "levelMark" + index
            x: modelData.x
            y: modelData.y
            width: modelData.width
            height: modelData.height
            source: Kit.pictureUrl(view.level.stars[index])
        }
    }
}
