import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Sum

// The calculation game: a slowly turning picture and the sum with its keypad,
// a little lower on the tall screen.
Item {
    id: screen
    required property SumGame controller

    UnlockerScene {
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPictureUrl

        Image {
            id: centerIllustrate
            objectName: "centerIllustrate"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: parent.top
            anchors.topMargin: screen.controller.tall ? 200 : 160
            source: Kit.pictureUrl("unlock-scene1-center-illustate")
            smooth: true
            Accessible.ignored: true
            NumberAnimation on rotation {
                id: turn
                running: false
                from: 0
                to: 360
                duration: screen.controller.centerTurnMs
            }
            Connections {
                target: screen.controller
                function onCenterPictureTurnStarted() { turn.restart() }
            }
            Component.onCompleted: if (screen.controller.centerPictureTurnCount > 0) turn.start()
        }
        SumPad {
            anchors.fill: parent
            challenge: screen.controller.sumChallenge
            tall: screen.controller.tall
        }
    }
}
