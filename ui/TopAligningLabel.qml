import QtQuick

// A label whose text starts at its top edge: as wide as it is laid out, as
// high as its wrapped text.
Text {
    wrapMode: Text.WordWrap
    verticalAlignment: Text.AlignTop
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
