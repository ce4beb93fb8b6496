import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Blow

// The blow game: the floating planet, the UFO on its arc round the planet,
// the push gauge and, when the microphone cannot serve, the close button of
// the tap game's challenge.
Item {
    id: screen
    required property BlowGame controller

    UnlockerScene {
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPicture

        // The point the UFO circles: the planet's place at rest.
        Item {
            id: orbit
            readonly property real radius: 112
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: -10
            anchors.verticalCenter: parent.verticalCenter
            anchors.verticalCenterOffset: 50
        }
        Image {
            objectName: "planetImageView"
            width: 160
            height: 160
            anchors.centerIn: orbit
            source: Kit.pictureUrl("unlock-scene3-planet")
            transform: Translate {
                y: screen.controller.planetFloatCount === 0 ? 0 : screen.controller.planetFloatingUp ? -20 : 20
                Behavior on y {
                    NumberAnimation { duration: screen.controller.planetFloatMs; easing.type: Easing.InOutQuad }
                }
            }
        }
        Image {
            id: ufo
            objectName: "ufoImageView"
            width: 70
            height: 48
            // Its saucer (15 points below the top) rides on the arc.
            property real angle: screen.controller.ufoAngle
            Behavior on angle {
                NumberAnimation { duration: screen.controller.pushStepMs }
            }
            x: orbit.x - orbit.radius * Math.sin(angle) - width / 2
            y: orbit.y + orbit.radius * Math.cos(angle) - 15
            source: Kit.pictureUrl("unlock-scene3-ufo")
            visible: !screen.controller.usesFallback || screen.controller.ufoLeaving
            Accessible.ignored: true

            ParallelAnimation {
                running: screen.controller.ufoLeaving
                NumberAnimation {
                    target: ufo
                    property: "rotation"
                    to: 360 * screen.controller.ufoExitTurns
                    duration: screen.controller.ufoExitMs
                }
                NumberAnimation {
                    target: ufo
                    property: "scale"
                    to: 0
                    duration: screen.controller.ufoExitMs
                }
                // Off to the upper left of the planet.
                NumberAnimation {
                    target: ufo
                    property: "x"
                    to: orbit.x - 70 - ufo.width / 2
                    duration: screen.controller.ufoExitMs
                }
                NumberAnimation {
                    target: ufo
                    property: "y"
                    to: orbit.y - 80 - 15
                    duration: screen.controller.ufoExitMs
                }
            }
        }
        Text {
            objectName: "percentLabel"
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.top: parent.top
            anchors.topMargin: 160
            text: screen.controller.distanceText
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 14
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        // How far the UFO has been pushed, 0 to 100.
        Rectangle {
            objectName: "blowGauge"
            readonly property int value: screen.controller.pushLevel
            readonly property int minimumValue: 0
            readonly property int maximumValue: 100
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 40
            width: 200
            height: 8
            radius: height / 2
            color: Qt.rgba(1, 1, 1, 0.25)
            visible: !screen.controller.usesFallback
            Accessible.role: Accessible.ProgressBar
            Accessible.name: qsTr("Blow gauge")
            Rectangle {
                width: parent.width * parent.value / 100
                height: parent.height
                radius: parent.radius
                color: Kit.brandColor
                Behavior on width {
                    NumberAnimation { duration: screen.controller.pushStepMs }
                }
            }
        }
        Text {
            objectName: "fallbackLabel"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: closeButton.top
            anchors.bottomMargin: 16
            width: 260
            horizontalAlignment: Text.AlignHCenter
            text: screen.controller.fallbackText
            visible: closeButton.visible
            wrapMode: Text.WordWrap
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 15
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Rectangle {
            id: closeButton
            objectName: "closeButton"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 40
            width: 120
            height: 40
            radius: height / 2
            color: "transparent"
            border.color: "white"
            border.width: 1
            visible: screen.controller.usesFallback && !screen.controller.ufoLeaving
            Accessible.role: Accessible.Button
            Accessible.name: screen.controller.closeButtonTitle
            Accessible.onPressAction: screen.controller.closeTapped()
            Text {
                anchors.centerIn: parent
                text: screen.controller.closeButtonTitle
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 20
            }
            MouseArea {
                anchors.fill: parent
                onClicked: screen.controller.closeTapped()
            }
        }
    }
}
