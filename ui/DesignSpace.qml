import QtQuick
import Tolvek

// The design space, 320 points wide and 568 (or, on the short screen, 480)
// high, scaled evenly to fit whatever size its window has and centred in it:
// the side-menu container, the modal layer above it and the alert layer above
// everything.
Item {
    id: designSpace
    required property SideMenu root
    readonly property real fit: Math.min(Window.width / width, Window.height / height)

    objectName: "designSpace"
    width: 320
    height: Kit.tall ? 568 : 480
    x: (Window.width - width * fit) / 2
    y: (Window.height - height * fit) / 2
    transformOrigin: Item.TopLeft
    scale: fit
    clip: true

    ScreenView {
        anchors.fill: parent
        controller: designSpace.root
    }
    ModalLayerView {
        anchors.fill: parent
    }
    AlertLayer {
        anchors.fill: parent
    }
}
