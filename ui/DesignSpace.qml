import QtQuick
import Tolvek

// What the window shows: the design space, 320 points wide and 568 (or, on the
// short screen, 480) high, scaled evenly to fit whatever size the window has
// and centred in it. In the design space: the side-menu container, the modal
// layer above it and the alert layer above everything.
Item {
    id: frame
    required property SideMenu root

    Item {
        id: designSpace
        objectName: "designSpace"
        readonly property real fit: Math.min(frame.width / width, frame.height / height)

        width: 320
        height: Kit.tall ? 568 : 480
        x: (frame.width - width * fit) / 2
        y: (frame.height - height * fit) / 2
        transformOrigin: Item.TopLeft
        scale: fit
        clip: true

        ScreenView {
            anchors.fill: parent
            controller: frame.root
        }
        ModalLayerView {
            anchors.fill: parent
        }
        AlertLayer {
            anchors.fill: parent
        }
    }
}
