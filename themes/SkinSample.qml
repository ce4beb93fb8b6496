import QtQuick
import Tolvek
import Tolvek.Themes

// A skin behind the clock, plain or blurred: what the screenshots of skins show.
Item {
    id: sample
    property bool blurred: false

    BlurredBackground {
        anchors.fill: parent
        blurAlpha: sample.blurred ? 1 : 0
    }
    TimeView {
        x: 20
        y: 70
        width: parent.width - 40
        labelColor: "white"
    }
}
