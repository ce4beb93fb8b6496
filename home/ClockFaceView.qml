import QtQuick
import Tolvek
import Tolvek.Home

// The list's header: the weather line, the digits inside the volume ring,
// and the status lines under it (next ring, notification service, missed alarm).
Item {
    id: face
    required property HomeScreen controller
    readonly property ClockFace clock: controller.clockFace

    width: 320
    height: status.y + status.height + 12

    // The weather: icon, temperature with its unit toggle, condition; or a note.
    Item {
        id: weather
        objectName: "weatherPlane"
        y: 58
        width: parent.width
        height: 48
        opacity: face.clock && !face.clock.noteShown ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: face.clock ? face.clock.weatherFadeMs : 0 } }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 6
            Image {
                objectName: "weatherIcon"
                width: 36
                height: 36
                anchors.verticalCenter: parent.verticalCenter
                source: face.clock ? Kit.pictureUrl(face.clock.iconName) : ""
                sourceSize.width: 72
                sourceSize.height: 72
                Accessible.role: Accessible.Graphic
                Accessible.name: face.clock ? face.clock.conditionText : ""
            }
            Text {
                objectName: "temperatureLabel"
                anchors.verticalCenter: parent.verticalCenter
                text: face.clock ? face.clock.temperatureText : ""
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 34
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("Temperature") + " " + text
            }
            Text {
                id: unit
                objectName: "unitToggle"
                anchors.verticalCenter: parent.verticalCenter
                text: face.clock ? face.clock.unitText : ""
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 18
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Temperature unit")
                Accessible.description: text
                Accessible.onPressAction: face.clock.toggleUnit()
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -10
                    onClicked: face.clock.toggleUnit()
                }
            }
            Text {
                objectName: "conditionLabel"
                anchors.verticalCenter: parent.verticalCenter
                text: face.clock ? face.clock.conditionText : ""
                color: Qt.rgba(1, 1, 1, 0.85)
                font.family: Kit.lightFontFamily
                font.pixelSize: 13
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                MouseArea {
                    anchors.fill: parent
                    onClicked: face.clock.toggleUnit()
                }
            }
        }
    }
    Text {
        objectName: "weatherNote"
        y: 58
        x: 20
        width: parent.width - 40
        height: 48
        opacity: face.clock && face.clock.noteShown ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: face.clock ? face.clock.weatherFadeMs : 0 } }
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        text: face.clock ? face.clock.noteText : ""
        color: "white"
        font.family: Kit.lightFontFamily
        font.pixelSize: 13
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    // The digits inside the ring on the media volume.
    Item {
        id: dial
        objectName: "volumeDial"
        y: 104
        width: 240
        height: 240
        anchors.horizontalCenter: parent.horizontalCenter

        VolumeRing {
            id: ring
            objectName: "volumeRing"
            anchors.fill: parent
            volume: face.clock ? face.clock.volume : 0
        }
        TimeView {
            id: time
            objectName: "timeView"
            width: 280
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -6
            scale: 0.6
            labelColor: "white"
            opacity: 0
            Component.onCompleted: opacity = 1
            Behavior on opacity { NumberAnimation { duration: face.clock ? face.clock.timeFadeInMs : 0 } }
            Accessible.role: Accessible.StaticText
            Accessible.name: time.hourText + ":" + time.minuteText + ", " + time.dateText
        }
        Image {
            id: knob
            objectName: "volumeKnob"
            width: 26
            height: 26
            x: ring.knobX - width / 2
            y: ring.knobY - height / 2
            source: face.clock ? Kit.pictureUrl(face.clock.knobPicture) : ""
            Behavior on x { enabled: !drag.pressed; NumberAnimation { duration: face.clock ? face.clock.knobMoveMs : 0 } }
            Behavior on y { enabled: !drag.pressed; NumberAnimation { duration: face.clock ? face.clock.knobMoveMs : 0 } }
            MouseArea {
                id: drag
                anchors.fill: parent
                anchors.margins: -12
                preventStealing: true
                onPositionChanged: mouse => face.clock.dragVolume(ring.volumeForX(mapToItem(ring, mouse.x, mouse.y).x), false)
                onReleased: mouse => face.clock.dragVolume(ring.volumeForX(mapToItem(ring, mouse.x, mouse.y).x), true)
            }
        }
        // The ring for screen readers: a slider from 0 to 100.
        Item {
            id: volumeControl
            objectName: "volumeControl"
            anchors.fill: parent
            property real value: 0
            readonly property real minimumValue: 0
            readonly property real maximumValue: 100
            readonly property real from: 0
            readonly property real to: 100
            readonly property real stepSize: 1
            Binding {
                target: volumeControl
                property: "value"
                value: face.clock ? face.clock.volumePercent : 0
            }
            onValueChanged: if (face.clock && Math.round(value) !== face.clock.volumePercent) face.clock.setVolumePercent(Math.round(value))
            Accessible.role: Accessible.Slider
            Accessible.name: qsTr("Volume")
            Accessible.onIncreaseAction: face.clock.volumeUp()
            Accessible.onDecreaseAction: face.clock.volumeDown()
        }
    }

    Column {
        id: status
        y: dial.y + dial.height + 4
        width: parent.width
        spacing: 4
        Text {
            objectName: "nextRingLabel"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: face.controller.nextRingText
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 14
            Accessible.role: Accessible.StaticText
            Accessible.name: qsTr("Next alarm")
            Accessible.description: text
        }
        Text {
            objectName: "serviceNotice"
            width: parent.width
            visible: text !== ""
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: face.controller.serviceNotice
            color: "#FFD27A"
            font.family: Kit.lightFontFamily
            font.pixelSize: 12
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            objectName: "missedNotice"
            width: parent.width
            visible: text !== ""
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: face.controller.missedNotice
            color: "#FF9C8A"
            font.family: Kit.lightFontFamily
            font.pixelSize: 12
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
