import QtQuick
import Tolvek

// Shows a controller's screen: its QML file, given the controller, and the
// progress overlays shown on it.
Item {
    id: view
    property ScreenController controller

    function reload() {
        if (controller)
            loader.setSource(controller.viewUrl, { "controller": controller })
        else
            loader.source = ""
    }

    clip: true
    onControllerChanged: reload()
    Component.onCompleted: reload()

    Loader {
        id: loader
        anchors.fill: parent
        onStatusChanged: if (status === Loader.Error) console.warn("cannot load the screen", view.controller.viewUrl)
    }
    ProgressOverlayView {
        anchors.fill: parent
        host: view.controller
    }
}
