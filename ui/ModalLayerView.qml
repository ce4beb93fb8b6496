pragma ComponentBehavior: Bound
import QtQuick
import Tolvek

// The modal layer: presented screens slide up over everything below them and
// slide down again when dismissed. Each presented screen follows the layer's
// signals about itself.
Item {
    id: modalLayer

    component PresentedScreen: ScreenView {
        id: view
        property bool animated

        width: modalLayer.width
        height: modalLayer.height
        Component.onCompleted: {
            if (!animated)
                return
            y = modalLayer.height
            slideIn.start()
        }
        NumberAnimation {
            id: slideIn
            target: view
            property: "y"
            to: 0
            duration: ModalLayer.slideMs
            easing.type: Easing.OutCubic
            onFinished: ModalLayer.transitionFinished(view.controller)
        }
        NumberAnimation {
            id: slideOut
            target: view
            property: "y"
            to: modalLayer.height
            duration: ModalLayer.slideMs
            easing.type: Easing.InCubic
            onFinished: ModalLayer.transitionFinished(view.controller)
        }
        Connections {
            target: ModalLayer
            function onScreenDismissing(screen, animated) {
                if (screen === view.controller && animated)
                    slideOut.start()
            }
            function onScreenRemoved(screen) {
                if (screen === view.controller)
                    view.destroy()
            }
        }
    }
    Component {
        id: presentedScreen
        PresentedScreen { }
    }
    Connections {
        target: ModalLayer
        function onScreenPresented(screen, animated) {
            presentedScreen.createObject(modalLayer, { "controller": screen, "animated": animated })
        }
    }
}
