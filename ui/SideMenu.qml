import QtQuick
import Tolvek

// The side-menu container: the background picture, the menu on the left and
// the content, which slides right and shrinks while the menu shows.
Item {
    id: container
    required property SideMenu controller
    property real progress: controller.menuVisible ? 1 : 0

    onProgressChanged: {
        if (progress === (controller.menuVisible ? 1 : 0))
            controller.menuTransitionFinished()
    }
    Behavior on progress {
        NumberAnimation {
            duration: container.controller.slideMs
            easing.type: Easing.OutCubic
        }
    }

    Image {
        anchors.fill: parent
        source: container.controller.backgroundImageUrl
        fillMode: Image.PreserveAspectCrop
        Accessible.ignored: true
    }
    ScreenView {
        id: menu
        objectName: "menuView"
        width: parent.width
        height: parent.height
        visible: container.progress > 0
        opacity: container.progress
        scale: 1.5 - 0.5 * container.progress
        controller: container.controller.menuScreen
    }
    Item {
        id: content
        objectName: "contentView"
        width: parent.width
        height: parent.height
        x: container.progress * parent.width * 0.45
        scale: 1 - 0.3 * container.progress

        ScreenView {
            anchors.fill: parent
            controller: container.controller.contentScreen
        }
        // While the menu shows, a tap on the content closes it.
        MouseArea {
            anchors.fill: parent
            enabled: container.controller.menuVisible
            onClicked: container.controller.hideMenu()
        }
        // A swipe from the left edge, below the bar with the menu button, opens
        // the menu. The strip takes the taps that start on it.
        Item {
            objectName: "menuEdge"
            y: container.controller.edgeSwipeTop
            width: container.controller.edgeSwipeWidth
            height: parent.height - y
            enabled: !container.controller.menuVisible
            DragHandler {
                target: null
                yAxis.enabled: false
                onTranslationChanged: {
                    if (active && translation.x > container.controller.edgeSwipeDistance)
                        container.controller.showMenu()
                }
            }
        }
    }
}
