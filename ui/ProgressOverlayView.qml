import QtQuick
import QtQuick.Shapes
import Tolvek

// The progress overlay of a view: a dark rounded square with a rotating ring
// and the overlay's label, if it has one.
Item {
    id: overlay
    property QtObject host
    readonly property ProgressOverlay shown: ProgressOverlays.revision >= 0 && host ? ProgressOverlays.topFor(host) : null

    visible: shown !== null

    MouseArea {
        anchors.fill: parent // no touches reach the view while it is busy
    }
    Rectangle {
        anchors.centerIn: parent
        width: 100
        height: overlay.shown && overlay.shown.labelText !== "" ? 120 : 100
        radius: 10
        color: Qt.rgba(0, 0, 0, 0.75)
        Accessible.role: Accessible.Animation
        Accessible.name: label.text !== "" ? label.text : ProgressOverlays.busyText

        Shape {
            id: ring
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            anchors.topMargin: 30
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
                duration: ProgressOverlays.turnMs
                loops: Animation.Infinite
                running: overlay.visible
            }
        }
        Text {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: ring.bottom
            anchors.topMargin: 14
            text: overlay.shown ? overlay.shown.labelText : ""
            color: "white"
            font.pixelSize: 13
            Accessible.ignored: true
        }
    }
}
