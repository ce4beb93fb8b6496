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
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 20
        anchors.topMargin: 70
        labelColor: "white"
    }
}
