import QtQuick
import QtQuick.Window
import Tolvek

// The app's window: the side-menu container, the modal layer above it and the
// alert layer above everything.
Window {
    id: window
    required property SideMenu root

    title: "Tolvek Alarm"
    color: "black"

    ScreenView {
        anchors.fill: parent
        controller: window.root
    }
    ModalLayerView {
        anchors.fill: parent
    }
    AlertLayer {
        anchors.fill: parent
    }
}
