import QtQuick
import Tolvek

// The modal layer: presented screens slide up over everything below them and
// slide down again when dismissed.
Item {
    id: modalLayer

    function itemFor(screen) {
        for (let i = 0; i < children.length; ++i)
            if (children[i].controller === screen)
                return children[i]
        return null
    }

    Component {
        id: presentedScreen
        ScreenView {
            id: view
            width: modalLayer.width
            height: modalLayer.height
            NumberAnimation {
                id: slideIn
                target: view
                property: "y"
                to: 0
                duration: 300
                easing.type: Easing.OutCubic
                onFinished: ModalLayer.transitionFinished(view.controller)
            }
            NumberAnimation {
                id: slideOut
                target: view
                property: "y"
                to: modalLayer.height
                duration: 300
                easing.type: Easing.InCubic
                onFinished: ModalLayer.transitionFinished(view.controller)
            }
            function present(animated) {
                if (!animated)
                    return
                y = modalLayer.height
                slideIn.start()
            }
            function dismiss(animated) {
                if (animated)
                    slideOut.start()
            }
        }
    }

    Connections {
        target: ModalLayer
        function onScreenPresented(screen, animated) {
            presentedScreen.createObject(modalLayer, { "controller": screen }).present(animated)
        }
        function onScreenDismissing(screen, animated) {
            const item = modalLayer.itemFor(screen)
            if (item)
                item.dismiss(animated)
        }
        function onScreenRemoved(screen) {
            const item = modalLayer.itemFor(screen)
            if (item)
                item.destroy()
        }
    }
}
