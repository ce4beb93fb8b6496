pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Tolvek
import Tolvek.Skins

// The crop editor: drag to move the photo, pinch, scroll or slide to zoom;
// the frame shows what becomes the skin.
Rectangle {
    id: screen
    required property CropScreen controller
    color: "black"

    PhotoView {
        id: photo
        objectName: "photoView"
        anchors.fill: parent
        screen: screen.controller
        frame: Qt.rect(cropFrame.x, cropFrame.y, cropFrame.width, cropFrame.height)
    }
    // Everything outside the frame is dimmed.
    Repeater {
        model: [
            Qt.rect(0, 0, screen.width, cropFrame.y),
            Qt.rect(0, cropFrame.y + cropFrame.height, screen.width, screen.height - cropFrame.y - cropFrame.height),
            Qt.rect(0, cropFrame.y, cropFrame.x, cropFrame.height),
            Qt.rect(cropFrame.x + cropFrame.width, cropFrame.y, screen.width - cropFrame.x - cropFrame.width, cropFrame.height)
        ]
        delegate: Rectangle {
            required property rect modelData
            x: modelData.x
            y: modelData.y
            width: modelData.width
            height: modelData.height
            color: Qt.rgba(0, 0, 0, 0.6)
        }
    }
    Rectangle {
        id: cropFrame
        objectName: "cropFrame"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        width: screen.controller.frameSize.width
        height: screen.controller.frameSize.height
        color: "transparent"
        border.color: "white"
        border.width: 1
    }
    MouseArea {
        id: dragArea
        property point last
        anchors.fill: parent
        anchors.bottomMargin: toolbar.height
        onPressed: mouse => last = Qt.point(mouse.x, mouse.y)
        onPositionChanged: mouse => {
            screen.controller.pan(mouse.x - last.x, mouse.y - last.y)
            last = Qt.point(mouse.x, mouse.y)
        }
        onWheel: wheel => screen.controller.zoomBy(Math.pow(1.0015, wheel.angleDelta.y),
                                                   wheel.x - cropFrame.x, wheel.y - cropFrame.y)
    }
    PinchHandler {
        target: null
        property real lastScale: 1
        onActiveChanged: lastScale = 1
        onActiveScaleChanged: {
            screen.controller.zoomBy(activeScale / lastScale, centroid.position.x - cropFrame.x,
                                     centroid.position.y - cropFrame.y)
            lastScale = activeScale
        }
    }
    Column {
        id: toolbar
        anchors.bottom: parent.bottom
        width: parent.width
        bottomPadding: 8
        spacing: 4
        Slider {
            id: zoomSlider
            objectName: "zoomSlider"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 60
            height: 28
            from: screen.controller.minimumZoom
            to: screen.controller.maximumZoom
            value: screen.controller.zoom
            onMoved: screen.controller.zoom = value
            Accessible.name: qsTr("Zoom")
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20
            Repeater {
                model: [
                    { "name": "cancelButton", "title": screen.controller.cancelTitle },
                    { "name": "doneButton", "title": screen.controller.doneTitle }
                ]
                delegate: Rectangle {
                    id: button
                    required property var modelData
                    required property int index
                    function press() { index === 0 ? screen.controller.cancel() : screen.controller.done() }
                    objectName: modelData.name
                    width: 120
                    height: 36
                    radius: 18
                    color: index === 1 ? Kit.brandColor : Qt.rgba(1, 1, 1, 0.15)
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData.title
                    Accessible.onPressAction: button.press()
                    Text {
                        anchors.centerIn: parent
                        text: button.modelData.title
                        color: "white"
                        font.family: Kit.lightFontFamily
                        font.pixelSize: 17
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: button.press()
                    }
                }
            }
        }
    }
}
