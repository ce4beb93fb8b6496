import QtQuick
import Tolvek
import Tolvek.Games.Sum

// The calculation game: a slowly turning picture and the sum with its keypad.
UnlockerScene {
    id: screen
    backgroundUrl: controller.backgroundPictureUrl

    Image {
        id: centerIllustrate
        objectName: "centerIllustrate"
        anchors.horizontalCenter: parent.horizontalCenter
        y: screen.controller.centerPictureTop
        source: Kit.pictureUrl("unlock-scene1-center-illustate")
        smooth: true
        NumberAnimation on rotation {
            id: turn
            running: false
            from: 0
            to: 360
            duration: 10000
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
