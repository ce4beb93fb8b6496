import QtQuick
import Tolvek

// A label whose text starts at its top edge; the item fits its height to the text.
TopAlignedText {
    id: label
    Text {
        anchors.fill: parent
        text: label.text
        font: label.font
        color: label.color
        wrapMode: Text.WordWrap
        verticalAlignment: Text.AlignTop
    }
}
