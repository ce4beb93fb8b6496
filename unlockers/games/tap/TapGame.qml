import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Tap

// The tap game: a turning planet, a bobbing astronaut and the close button.
// The controller says when each motion starts and where it ends.
Item {
    id: screen
    required property TapGame controller

    UnlockerScene {
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPictureUrl

        Image {
            id: planet
            objectName: "planetIllustrate"
            x: screen.controller.planetFrame.x
            y: screen.controller.planetFrame.y
            width: screen.controller.planetFrame.width
            height: screen.controller.planetFrame.height
            source: Kit.pictureUrl("unlock-scene5-planet")
            visible: screen.controller.planetVisible
            smooth: true

            NumberAnimation on rotation {
                id: turn
                running: false
                from: 0
                to: 360
                duration: 10000
            }
            ParallelAnimation {
                id: exit
                NumberAnimation {
                    target: planet
                    property: "rotation"
                    from: screen.controller.planetExitStartAngle * 180 / Math.PI
                    to: 1080
                    duration: 2500
                }
                NumberAnimation {
                    target: planet
                    property: "scale"
                    to: 0
                    duration: 2500
                }
            }
        }
        Image {
            id: astronaut
            objectName: "astronautIllustrate"
            x: screen.controller.astronautFrame.x
            width: screen.controller.astronautFrame.width
            height: screen.controller.astronautFrame.height
            source: Kit.pictureUrl("unlock-scene5-astronaut")
            Component.onCompleted: y = screen.controller.astronautFrame.y

            NumberAnimation on y {
                id: move
                running: false
                easing.type: Easing.InOutQuad
            }
        }
        Image {
            objectName: "exclamationMarkImageView"
            x: screen.controller.exclamationFrame.x
            y: screen.controller.exclamationFrame.y
            width: screen.controller.exclamationFrame.width
            height: screen.controller.exclamationFrame.height
            source: Kit.pictureUrl("unlock-scene5-exclamation")
            opacity: screen.controller.exclamationAlpha
        }
        Rectangle {
            objectName: "closeButton"
            x: screen.controller.closeButtonFrame.x
            y: screen.controller.closeButtonFrame.y
            width: screen.controller.closeButtonFrame.width
            height: screen.controller.closeButtonFrame.height
            radius: height / 2
            color: "transparent"
            border.color: "white"
            border.width: 1
            opacity: screen.controller.closeButtonAlpha
            Behavior on opacity {
                NumberAnimation { duration: 1000 }
            }
            Text {
                anchors.centerIn: parent
                text: screen.controller.closeButtonTitle
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 20
            }
            MouseArea {
                anchors.fill: parent
                onClicked: screen.controller.unlock()
            }
        }

        Connections {
            target: screen.controller
            function onPlanetTurnStarted() {
                if (!screen.controller.planetExiting)
                    turn.restart()
            }
            function onSceneChanged() {
                if (screen.controller.planetExiting && !exit.running && planet.scale > 0) {
                    turn.stop()
                    exit.start()
                }
                const target = screen.controller.astronautFrame.y
                move.stop()
                if (screen.controller.astronautMoveDuration <= 0) {
                    astronaut.y = target
                } else {
                    move.to = target
                    move.duration = screen.controller.astronautMoveDuration
                    move.start()
                }
            }
        }
        Component.onCompleted: if (screen.controller.planetTurnCount > 0) turn.start()
    }
}
