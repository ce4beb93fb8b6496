import QtQuick
import QtQuick.Shapes
import Tolvek

// The progress overlay of a view: a dark rounded square with a rotating ring.
Item {
    id: overlay
    property QtObject host
    readonly property ProgressOverlay hud: ProgressOverlays.revision >= 0 && host ? ProgressOverlays.topFor(host) : null

    visible: hud !== null

    MouseArea {
        anchors.fill: parent // no touches reach the view while it is busy
    }
    Rectangle {
        anchors.centerIn: parent
        width: 100
        height: overlay.hud && overlay.hud.labelText !== "" ? 120 : 100
        radius: 10
        color: Qt.rgba(0, 0, 0, 0.75)

        Shape {
            id: ring
            x: 30
            y: 30
            width: 40
            height: 40
            ShapePath {
                strokeColor: "white"
                strokeWidth: 4
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                PathAngleArc {
                    centerX: 20
                    centerY: 20
                    radiusX: 18
                    radiusY: 18
                    startAngle: 0
                    sweepAngle: 270
                }
            }
            RotationAnimator on rotation {
                from: 0
                to: 360
                duration: 1000
                loops: Animation.Infinite
                running: overlay.visible
            }
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            y: 84
            text: overlay.hud ? overlay.hud.labelText : ""
            color: "white"
            font.pixelSize: 13
        }
    }
}
