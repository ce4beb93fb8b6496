import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Sum
import Tolvek.Games.Smile

// The smile game: the astronaut whose visor shows the front camera, two
// UFOs drifting up and down, and what the camera sees. When the camera
// cannot help, the astronaut steps aside for the sum.
Item {
    id: screen
    required property SmileGame controller

    UnlockerScene {
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPictureUrl

        // Behind the astronaut's see-through visor (176 x 144 points, 32
        // from the picture's left, 62 from its top): a dark glass with a
        // painted smile until the camera runs, then the live picture.
        Rectangle {
            id: visor
            objectName: "helmetPlaceholder"
            anchors.left: astronaut.left
            anchors.leftMargin: 32
            anchors.top: astronaut.top
            anchors.topMargin: 62
            width: 176
            height: 144
            radius: height / 2
            color: Kit.colorWithHex(0x0D2329)
            visible: !screen.controller.fallbackActive
            Image {
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: -5
                anchors.verticalCenterOffset: 20
                source: Kit.pictureUrl("unlock-scene4-astronaut-mouth.png")
                visible: !cameraPicture.showing
            }
            VisorPicture {
                id: cameraPicture
                objectName: "cameraPicture"
                anchors.fill: parent
                turn: screen.controller.pictureTurn
                Accessible.role: Accessible.Graphic
                Accessible.name: qsTr("Camera picture")
            }
        }
        Image {
            id: astronaut
            objectName: "astronautImageView"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            anchors.topMargin: screen.controller.tall ? 164 : 120
            source: screen.controller.astronautPictureUrl
            opacity: screen.controller.fallbackActive ? 0 : 1
            Behavior on opacity {
                NumberAnimation { duration: 300 }
            }
        }
        Text {
            objectName: "cameraStatus"
            anchors.horizontalCenter: visor.horizontalCenter
            anchors.top: visor.bottom
            anchors.topMargin: 8
            text: screen.controller.cameraStatus
            color: Kit.colorWithHex(0x2BB4CB)
            font.family: Kit.lightFontFamily
            font.pixelSize: 13
            visible: !screen.controller.fallbackActive
            Accessible.role: Accessible.StaticText
            Accessible.name: qsTr("Camera")
            Accessible.description: text
        }

        // Two UFOs, each drifting the other way, a step at a time.
        Ufo {
            objectName: "ufo1"
            controller: screen.controller
            anchors.left: parent.left
            anchors.leftMargin: 14
            home: 168
            risesWithStep: true
        }
        Ufo {
            objectName: "ufo2"
            controller: screen.controller
            anchors.right: parent.right
            anchors.rightMargin: 14
            home: screen.controller.tall ? 480 : 412
            risesWithStep: false
            scale: 0.8
        }

        Loader {
            anchors.fill: parent
            active: screen.controller.fallbackActive
            // The Loader makes the pad in its own context (a bound component
            // cannot be made there in Qt 6.4), so qmllint cannot see `screen`.
            sourceComponent: SumPad {
                challenge: screen.controller.sumChallenge // qmllint disable unqualified
                tall: screen.controller.tall // qmllint disable unqualified
            }
        }
    }

    Binding {
        target: screen.controller
        property: "previewSink"
        value: cameraPicture.videoSink // qmllint disable type
    }

    component Ufo: Image {
        id: ufo
        required property SmileGame controller
        // Where it hovers, and whether a step with the controller's
        // "floating up" takes it up (the other UFO goes down).
        property real home
        property bool risesWithStep
        // Points above and below its place.
        readonly property real driftHeight: 10
        y: home
        width: 32
        height: 36
        source: Kit.pictureUrl("unlock-scene4-ufo")
        visible: !ufo.controller.fallbackActive
        NumberAnimation on y {
            id: drift
            running: false
            duration: ufo.controller.ufoDriftMs
            easing.type: Easing.InOutQuad
        }
        function driftStep() {
            const up = ufo.controller.ufoFloatingUp === ufo.risesWithStep
            drift.stop()
            drift.to = ufo.home + (up ? -1 : 1) * ufo.driftHeight
            drift.start()
        }
        Connections {
            target: ufo.controller
            function onUfoDriftStarted() { ufo.driftStep() }
        }
        Component.onCompleted: driftStep()
    }
}
