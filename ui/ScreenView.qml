import QtQuick
import Tolvek

// Shows a controller's screen: its QML file, given the controller, and the
// progress overlays shown on it.
Item {
    id: view
    property ScreenController controller
    // The controller whose screen is loaded: the binding that sets the
    // controller at creation and the completion both ask to show it, and
    // loading it twice would load every screen nested in it twice as well.
    property ScreenController shown: null

    function show() {
        if (shown === controller && (controller === null || loader.status !== Loader.Null))
            return
        shown = controller
        if (controller)
            loader.setSource(controller.viewUrl, { "controller": controller })
        else
            loader.source = ""
    }

    clip: true
    onControllerChanged: show()
    Component.onCompleted: show()

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
