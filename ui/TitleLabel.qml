import QtQuick
import Tolvek

// The house screen title: a centred 200 x 44 label, brand colour, light font at 17.
Text {
    width: 200
    height: 44
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    color: Kit.brandColor
    font.family: Kit.lightFontFamily
    font.pixelSize: 17
    elide: Text.ElideRight
    Accessible.role: Accessible.Heading
    Accessible.name: text
}
