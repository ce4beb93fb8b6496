pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import Tolvek
import Tolvek.Editor

// The time picker's panel: a white body with a round-topped tab on the right
// (the "Done" mark), the hour and minute wheels and, on a 12-hour clock, the
// AM/PM wheel. A tap anywhere on it confirms. It slides up from the bottom of
// its parent while raised.
Item {
    id: panel
    required property TimePicker picker

    // 0: below its parent's bottom edge; 1: up, its bottom on that edge.
    property real lift: 0

    width: 320
    height: 260
    visible: picker.raised
    y: parent.height - height * lift

    states: State {
        name: "up"
        when: panel.picker.phase === TimePicker.SlidingIn || panel.picker.phase === TimePicker.Shown
        PropertyChanges { target: panel; lift: 1 }
    }
    transitions: [
        Transition {
            to: "up"
            SequentialAnimation {
                NumberAnimation { property: "lift"; duration: panel.picker.slideInMs; easing.type: Easing.OutCubic }
                ScriptAction { script: panel.picker.transitionFinished() }
            }
        },
        Transition {
            from: "up"
            SequentialAnimation {
                NumberAnimation { property: "lift"; duration: panel.picker.slideOutMs; easing.type: Easing.InCubic }
                ScriptAction { script: panel.picker.transitionFinished() }
            }
        }
    ]

    Shape {
        anchors.fill: parent
        ShapePath {
            fillColor: "white"
            strokeColor: "transparent"
            startX: 0; startY: 50
            PathLine { x: 260; y: 50 }
            PathLine { x: 260; y: 20 }
            PathArc { x: 300; y: 20; radiusX: 20; radiusY: 20 }
            PathLine { x: 300; y: 50 }
            PathLine { x: 320; y: 50 }
            PathLine { x: 320; y: 260 }
            PathLine { x: 0; y: 260 }
            PathLine { x: 0; y: 50 }
        }
    }
    // A tap anywhere on the panel confirms; a drag turns a wheel instead.
    TapHandler {
        onTapped: panel.picker.confirm()
    }
    Item {
        objectName: "doneButton"
        x: 260
        y: 0
        width: 40
        height: 50
        Accessible.role: Accessible.Button
        Accessible.name: panel.picker.doneTitle
        Accessible.onPressAction: panel.picker.confirm()
        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: -4
            text: "✓"
            color: Kit.brandColor
            font.pixelSize: 22
        }
    }

    component Wheel: Item {
        id: wheel
        // The value interface of an accessible spin box reads and writes these.
        property int value
        property int minimumValue
        property int maximumValue
        property int stepSize: 1
        property var labels: []
        property bool wraps: true
        signal moved(int value)

        function show(v) {
            if (tumbler.currentIndex !== v - minimumValue)
                tumbler.currentIndex = v - minimumValue
        }
        onValueChanged: {
            show(value)
            wheel.moved(value)
        }
        Accessible.role: Accessible.SpinBox
        Accessible.onIncreaseAction: if (value < maximumValue) value = value + 1
        Accessible.onDecreaseAction: if (value > minimumValue) value = value - 1

        width: 70
        height: 180
        Tumbler {
            id: tumbler
            anchors.fill: parent
            visibleItemCount: 5
            wrap: wheel.wraps
            model: wheel.maximumValue - wheel.minimumValue + 1
            Component.onCompleted: currentIndex = wheel.value - wheel.minimumValue
            onCurrentIndexChanged: if (moving) wheel.value = wheel.minimumValue + currentIndex
            onMovingChanged: if (!moving) wheel.value = wheel.minimumValue + currentIndex
            delegate: Text {
                required property int index
                text: wheel.labels.length > index ? wheel.labels[index] : String(wheel.minimumValue + index)
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                color: Tumbler.displacement === 0 ? "#202020" : "#909090"
                opacity: 1.0 - Math.abs(Tumbler.displacement) / (tumbler.visibleItemCount / 2)
                font.family: Kit.lightFontFamily
                font.pixelSize: 26
                // The wheel takes the press for itself: a tap on it (no drag) still confirms.
                TapHandler {
                    onTapped: panel.picker.confirm()
                }
            }
        }
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            height: 36
            color: "transparent"
            border.color: Kit.colorWithHex(0x2BB4CB, 0.5)
            radius: 4
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.horizontalCenterOffset: -20
        y: 65
        spacing: 6

        Wheel {
            id: hourWheel
            objectName: "hourWheel"
            Accessible.name: qsTr("Hour")
            minimumValue: panel.picker.firstWheelHour
            maximumValue: panel.picker.lastWheelHour
            value: panel.picker.wheelHour
            labels: {
                const names = []
                for (let h = minimumValue; h <= maximumValue; ++h)
                    names.push(String(h).padStart(2, "0"))
                return names
            }
            onMoved: v => {
                panel.picker.wheelHour = v
                value = Qt.binding(() => panel.picker.wheelHour)
            }
        }
        Text {
            height: 180
            verticalAlignment: Text.AlignVCenter
            text: ":"
            color: "#202020"
            font.pixelSize: 26
        }
        Wheel {
            id: minuteWheel
            objectName: "minuteWheel"
            Accessible.name: qsTr("Minute")
            minimumValue: 0
            maximumValue: 59
            value: panel.picker.minute
            labels: {
                const names = []
                for (let m = 0; m < 60; ++m)
                    names.push(String(m).padStart(2, "0"))
                return names
            }
            onMoved: v => {
                panel.picker.minute = v
                value = Qt.binding(() => panel.picker.minute)
            }
        }
        Wheel {
            objectName: "amPmWheel"
            visible: panel.picker.twelveHour
            Accessible.name: qsTr("AM/PM")
            Accessible.description: value === 1 ? panel.picker.pmText : panel.picker.amText
            wraps: false
            minimumValue: 0
            maximumValue: 1
            value: panel.picker.pm ? 1 : 0
            labels: [panel.picker.amText, panel.picker.pmText]
            onMoved: v => {
                panel.picker.pm = v === 1
                value = Qt.binding(() => panel.picker.pm ? 1 : 0)
            }
        }
    }
}
