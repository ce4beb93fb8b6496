import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Shake

// The shake game: the craft on its launch pad, the fuel gauge with its
// marker, the orange glow of the fuel, the white flash at full and, while the
// drags stand in for the motion sensor, an area that takes them.
Item {
    id: screen
    required property ShakeGame controller

    UnlockerScene {
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPicture

        MouseArea {
            objectName: "dragArea"
            anchors.fill: parent
            enabled: screen.controller.usesStandIn
            onPositionChanged: mouse => screen.controller.dragMoved(mouse.x, mouse.y)
            onReleased: screen.controller.dragReleased()
            onCanceled: screen.controller.dragReleased()
        }
        Rectangle {
            objectName: "orangeMaskView"
            anchors.fill: parent
            color: "#ff8c2e"
            opacity: screen.controller.glowOpacity
            Behavior on opacity {
                NumberAnimation { duration: screen.controller.gaugeStepMs }
            }
        }
        Image {
            id: pad
            objectName: "launchPad"
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 36
            source: Kit.pictureUrl("unlock-scene2-pad")
        }
        Item {
            id: craft
            objectName: "tolvekBaseView"
            width: 60
            height: 120
            x: pad.x + 30
            // Its legs stand on the pad's deck.
            readonly property real restY: pad.y + 39 - 82
            y: screen.controller.launching ? -height : restY
            Behavior on y {
                enabled: screen.controller.launching
                NumberAnimation { duration: screen.controller.launchMs; easing.type: Easing.InQuad }
            }
            Image {
                objectName: "tolvekFireImageView"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: body.bottom
                anchors.topMargin: -14
                source: Kit.pictureUrl("unlock-scene2-fire")
                opacity: screen.controller.flameBright ? 1 : screen.controller.flameDimOpacity
                Behavior on opacity {
                    NumberAnimation { duration: screen.controller.flameFadeMs }
                }
            }
            Image {
                id: body
                source: Kit.pictureUrl("unlock-scene2-tolvek")
            }
        }
        Item {
            id: gauge
            objectName: "shakeGauge"
            // The accessible value: the fuel level, 0 to 100.
            readonly property int value: screen.controller.gaugeLevel
            readonly property int minimumValue: 0
            readonly property int maximumValue: 100
            width: glass.width
            height: glass.height
            anchors.right: parent.right
            anchors.rightMargin: 63
            anchors.verticalCenter: parent.verticalCenter
            anchors.verticalCenterOffset: 14
            Accessible.role: Accessible.ProgressBar
            Accessible.name: qsTr("Shake gauge")

            Image {
                id: glass
                objectName: "thermometerImageView"
                source: Kit.pictureUrl("unlock-scene2-thermometer")
            }
            // The unfilled part of the fuel column, shrinking from below as the gauge fills.
            ThermometerShape {
                id: column
                objectName: "thermometerView"
                x: 7.75
                y: 8
                width: 20.5
                height: 215 - 180 * screen.controller.gaugeFraction
                Behavior on height {
                    NumberAnimation { duration: screen.controller.gaugeStepMs }
                }
            }
            Image {
                objectName: "thermometerViewSliderImaegeView"
                anchors.left: column.right
                anchors.leftMargin: 10
                y: column.y + column.height - height / 2
                source: Kit.pictureUrl("unlock-scene2-slider")
            }
            Text {
                objectName: "percentLabel"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: parent.bottom
                anchors.topMargin: 6
                text: screen.controller.gaugeLevel
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 22
                Accessible.ignored: true
            }
        }
        Text {
            objectName: "standInLabel"
            x: 20
            y: 200
            width: 180
            text: screen.controller.standInText
            visible: text.length > 0
            wrapMode: Text.WordWrap
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 15
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Rectangle {
            id: flash
            objectName: "flash"
            anchors.fill: parent
            color: "white"
            opacity: 0
            SequentialAnimation {
                running: screen.controller.flashing
                NumberAnimation { target: flash; property: "opacity"; to: 1; duration: screen.controller.flashInMs }
                NumberAnimation { target: flash; property: "opacity"; to: 0; duration: screen.controller.flashOutMs }
            }
        }
    }
}
