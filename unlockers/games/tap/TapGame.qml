import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Tap

// The tap game: a turning planet, a floating astronaut and the close button,
// laid out on a 320 x 480 stage that sits a little lower on the tall screen.
// The controller says when each motion starts and how long it lasts.
Item {
    id: screen
    required property TapGame controller
    readonly property bool playing: controller.phase === TapGame.Playing

    UnlockerScene {
        id: scene
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPictureUrl

        Item {
            id: stage
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.topMargin: screen.controller.tall ? 24 : 0
            height: 480

            Image {
                id: planet
                objectName: "planetIllustrate"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.top
                anchors.topMargin: 180
                width: 220
                height: 220
                source: Kit.pictureUrl("unlock-scene5-planet")
                visible: screen.controller.phase !== TapGame.AstronautFalling
                smooth: true
                Accessible.ignored: true

                NumberAnimation on rotation {
                    id: turnMotion
                    running: false
                    from: 0
                    to: 360
                    duration: screen.controller.planetTurnMs
                }
                ParallelAnimation {
                    id: exitMotion
                    // From wherever the turn had got to.
                    NumberAnimation {
                        target: planet
                        property: "rotation"
                        to: 360 * screen.controller.planetExitTurns
                        duration: screen.controller.planetExitMs
                    }
                    NumberAnimation {
                        target: planet
                        property: "scale"
                        to: 0
                        duration: screen.controller.planetExitMs
                    }
                }
            }
            Image {
                id: astronaut
                objectName: "astronautIllustrate"
                readonly property real restY: 158
                anchors.left: parent.left
                anchors.leftMargin: 196
                y: restY
                width: 66
                height: 84
                source: Kit.pictureUrl("unlock-scene5-astronaut")
                Accessible.ignored: true

                NumberAnimation {
                    id: floatMotion
                    target: astronaut
                    property: "y"
                    easing.type: Easing.InOutQuad
                    duration: screen.controller.astronautFloatMs
                }
                NumberAnimation {
                    id: dropMotion
                    target: astronaut
                    property: "y"
                    // Right below the bottom edge of the screen.
                    to: scene.height - stage.y
                    easing.type: Easing.InOutQuad
                    duration: screen.controller.astronautDropMs
                }
            }
            Image {
                objectName: "exclamationMarkImageView"
                anchors.horizontalCenter: astronaut.horizontalCenter
                anchors.bottom: astronaut.top
                anchors.bottomMargin: -8
                width: 16
                height: 30
                source: Kit.pictureUrl("unlock-scene5-exclamation")
                opacity: screen.controller.phase === TapGame.PlanetLeaving ? 1 : 0
                Accessible.ignored: true
            }
            Rectangle {
                objectName: "closeButton"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 22
                width: 120
                height: 40
                radius: height / 2
                color: "transparent"
                border.color: "white"
                border.width: 1
                opacity: screen.playing ? 1 : 0
                Accessible.role: Accessible.Button
                Accessible.name: screen.controller.closeButtonTitle
                Accessible.onPressAction: screen.controller.unlock()
                Behavior on opacity {
                    NumberAnimation { duration: screen.controller.closeButtonFadeMs }
                }
                Text {
                    anchors.centerIn: parent
                    text: screen.controller.closeButtonTitle
                    color: "white"
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 20
                    Accessible.ignored: true
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: screen.controller.unlock()
                }
            }
        }
    }

    function floatOn() {
        floatMotion.stop()
        floatMotion.to = astronaut.restY + (controller.floatingUp ? -20 : 20)
        floatMotion.start()
    }
    Connections {
        target: screen.controller
        function onPlanetTurnStarted() {
            if (screen.playing)
                turnMotion.restart()
        }
        function onFloatStarted() {
            screen.floatOn()
        }
        function onPhaseChanged() {
            if (screen.controller.phase === TapGame.PlanetLeaving) {
                // The astronaut stops where it floats; the planet spins away.
                floatMotion.stop()
                turnMotion.stop()
                exitMotion.start()
            } else if (screen.controller.phase === TapGame.AstronautFalling) {
                dropMotion.start()
            }
        }
    }
    // Shown after the game started: join its turn and float.
    Component.onCompleted: {
        if (controller.planetTurnCount > 0 && playing) {
            turnMotion.start()
            floatOn()
        }
    }
}
