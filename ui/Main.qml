import QtQuick
import QtQuick.Window

// The app's window. It is shown before its screens are made, so it needs no
// more than QtQuick: once the root container is given, the design space
// (DesignSpace.qml) is loaded into it; the rest of the window shows its
// background colour.
Window {
    id: window
    property QtObject root: null

    title: "Tolvek Alarm"
    color: "black"
    onRootChanged: designSpace.setSource("DesignSpace.qml", { "root": window.root })

    Loader {
        id: designSpace
        anchors.fill: parent
    }
}
