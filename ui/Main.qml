import QtQuick
import QtQuick.Window
import Tolvek

// The app's window. The screens are laid out in the design space, 320 points
// wide and 568 (or, on the short screen, 480) high, which is scaled evenly to
// fit whatever size the window has and centred in it; the rest of the window
// shows its background colour. In the design space: the side-menu container,
// the modal layer above it and the alert layer above everything. The window
// can be shown before its screens are made: the root comes once they are.
Window {
    id: window
    property SideMenu root: null

    title: "Tolvek Alarm"
    color: "black"

    Item {
        id: designSpace
        objectName: "designSpace"
        readonly property real fit: Math.min(window.width / width, window.height / height)

        width: 320
        height: Kit.tall ? 568 : 480
        x: (window.width - width * fit) / 2
        y: (window.height - height * fit) / 2
        transformOrigin: Item.TopLeft
        scale: fit
        clip: true

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
}
