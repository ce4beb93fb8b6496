pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Themes
import Tolvek.Editor

// The alarm setting screen: under its own bar (Cancel, title, Save) the rows
// scroll over the skin, which blurs as they move: the unlocker picker, then
// white cards for the time, the repeat days, the slogan, snooze and the sound.
// The time picker's panel slides up over everything, the rest dimmed.
Item {
    id: screen
    required property AlarmSettingScreen controller
    readonly property color grey: Kit.colorWithHex(0x707070)

    BlurredBackground {
        anchors.fill: parent
        blurAlpha: screen.controller.blurAlpha
    }

    // A white card behind a row's content.
    component Card: Rectangle {
        x: 11
        width: rows.width - 22
        radius: 4
        color: Qt.rgba(1, 1, 1, 0.8)
    }
    component Caption: Text {
        color: screen.grey
        font.family: Kit.lightFontFamily
        font.pixelSize: 15
    }

    Flickable {
        id: table
        objectName: "settingTable"
        anchors.fill: parent
        contentWidth: width
        contentHeight: rows.height + 20
        boundsBehavior: Flickable.DragOverBounds
        // Made anew when the screen comes back (from the sound picker): the rows go back where
        // they were, as far as the laid-out rows allow, until they are there or the user moves them.
        property real restoreTo: 0
        property bool placed: false
        function place() {
            if (placed || height <= 0)
                return
            contentY = Math.max(0, Math.min(restoreTo, contentHeight - height))
            placed = contentY === restoreTo
        }
        Component.onCompleted: {
            restoreTo = screen.controller.scrolledBy
            placed = restoreTo === 0
        }
        onContentHeightChanged: place()
        onHeightChanged: place()
        onMovementStarted: placed = true
        onContentYChanged: screen.controller.scrolledTo(contentY)

        Column {
            id: rows
            width: table.width
            spacing: 9

            ScreenView {
                objectName: "unlockerPickerView"
                width: parent.width
                height: 346
                controller: screen.controller.unlockerPicker
            }

            Card {
                height: 56
                Caption {
                    x: 14
                    anchors.verticalCenter: parent.verticalCenter
                    text: screen.controller.timeCaption
                }
                Item {
                    objectName: "timeButton"
                    x: 90
                    width: parent.width - 100
                    height: parent.height
                    opacity: screen.controller.timePicker.raised ? 0.5 : 1
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Time")
                    Accessible.description: screen.controller.timeText
                    Accessible.onPressAction: screen.controller.openTimePicker()
                    Text {
                        objectName: "timeText"
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: screen.controller.timeText
                        color: Kit.brandColor
                        font.family: Kit.lightFontFamily
                        font.pixelSize: 30
                    }
                    MouseArea {
                        anchors.fill: parent
                        enabled: !screen.controller.timePicker.raised
                        onClicked: screen.controller.openTimePicker()
                    }
                }
            }

            Card {
                height: 96
                Caption {
                    x: 14
                    y: 10
                    text: screen.controller.repeatCaption
                }
                Rectangle {
                    objectName: "repeatSeparator"
                    x: 14
                    y: 34
                    width: parent.width - 28
                    height: 1
                    color: Qt.rgba(0.44, 0.44, 0.44, 0.3)
                }
                Row {
                    y: 36
                    anchors.horizontalCenter: parent.horizontalCenter
                    Repeater {
                        model: 7
                        delegate: Row {
                            id: day
                            required property int index
                            readonly property bool chosen: screen.controller.daysSelected[index] === true
                            Item {
                                objectName: "dayButton" + day.index
                                width: 40
                                height: 60
                                Accessible.role: Accessible.Button
                                Accessible.name: screen.controller.dayNames[day.index]
                                Accessible.checkable: true
                                Accessible.checked: day.chosen
                                Accessible.onPressAction: screen.controller.toggleDay(day.index)
                                Accessible.onToggleAction: screen.controller.toggleDay(day.index)
                                Text {
                                    anchors.centerIn: parent
                                    text: screen.controller.dayTitles[day.index]
                                    color: day.chosen ? Kit.brandColor : screen.grey
                                    font.family: Kit.lightFontFamily
                                    font.pixelSize: 13
                                }
                                MouseArea {
                                    anchors.fill: parent
                                    onClicked: screen.controller.toggleDay(day.index)
                                }
                            }
                            Rectangle {
                                visible: day.index < 6
                                y: 22
                                width: 1
                                height: 15
                                color: Qt.rgba(0.44, 0.44, 0.44, 0.4)
                            }
                        }
                    }
                }
            }

            Card {
                height: sloganNotice.visible ? 76 : 56
                Caption {
                    id: nameCaption
                    x: 14
                    y: 18
                    text: screen.controller.nameCaption
                }
                Rectangle {
                    x: 90
                    y: 10
                    width: parent.width - 104
                    height: 36
                    radius: 4
                    color: Qt.rgba(1, 1, 1, 0.9)
                    border.color: sloganField.activeFocus ? Kit.brandColor : Qt.rgba(0.44, 0.44, 0.44, 0.3)
                    TextInput {
                        id: sloganField
                        objectName: "sloganField"
                        anchors.fill: parent
                        anchors.leftMargin: 8
                        anchors.rightMargin: 8
                        verticalAlignment: TextInput.AlignVCenter
                        clip: true
                        text: screen.controller.slogan
                        color: "#303030"
                        font.family: Kit.lightFontFamily
                        font.pixelSize: 16
                        selectByMouse: true
                        activeFocusOnTab: true
                        Accessible.role: Accessible.EditableText
                        Accessible.name: qsTr("Slogan")
                        Accessible.editable: true
                        onTextEdited: {
                            screen.controller.setSlogan(text)
                            if (text !== screen.controller.slogan)
                                text = screen.controller.slogan
                        }
                        onAccepted: focus = false
                        // A long slogan shows its beginning.
                        Component.onCompleted: cursorPosition = 0
                    }
                }
                Text {
                    id: sloganNotice
                    objectName: "sloganNotice"
                    x: 90
                    y: 50
                    width: parent.width - 104
                    visible: text !== ""
                    text: screen.controller.sloganNotice
                    color: screen.grey
                    elide: Text.ElideRight
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 11
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }

            Card {
                height: 56
                Item {
                    objectName: "snoozeSwitch"
                    anchors.fill: parent
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Snooze")
                    Accessible.description: screen.controller.snoozeText
                    Accessible.checkable: true
                    Accessible.checked: screen.controller.snooze
                    Accessible.onPressAction: screen.controller.toggleSnooze()
                    Accessible.onToggleAction: screen.controller.toggleSnooze()
                    Caption {
                        x: 14
                        anchors.verticalCenter: parent.verticalCenter
                        text: screen.controller.snoozeText
                        color: screen.controller.snooze ? Kit.brandColor : screen.grey
                    }
                    Rectangle {
                        anchors.right: parent.right
                        anchors.rightMargin: 14
                        anchors.verticalCenter: parent.verticalCenter
                        width: 50
                        height: 28
                        radius: 14
                        color: screen.controller.snooze ? Kit.brandColor : Qt.rgba(0.44, 0.44, 0.44, 0.35)
                        Behavior on color { ColorAnimation { duration: 150 } }
                        Rectangle {
                            x: screen.controller.snooze ? parent.width - width - 2 : 2
                            y: 2
                            width: 24
                            height: 24
                            radius: 12
                            color: "white"
                            Behavior on x { NumberAnimation { duration: 150 } }
                        }
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: screen.controller.toggleSnooze()
                    }
                }
            }

            Card {
                height: 56
                Item {
                    objectName: "soundButton"
                    anchors.fill: parent
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("Sound")
                    Accessible.description: screen.controller.soundName
                    Accessible.onPressAction: screen.controller.openSoundPicker()
                    Caption {
                        x: 14
                        anchors.verticalCenter: parent.verticalCenter
                        text: screen.controller.soundCaption
                    }
                    Text {
                        id: soundName
                        objectName: "soundName"
                        anchors.right: chevron.left
                        anchors.rightMargin: 8
                        anchors.verticalCenter: parent.verticalCenter
                        width: parent.width - 130
                        horizontalAlignment: Text.AlignRight
                        elide: Text.ElideRight
                        text: screen.controller.soundName
                        color: Kit.brandColor
                        font.family: Kit.lightFontFamily
                        font.pixelSize: 17
                        // A new sound's name fades in.
                        onTextChanged: fadeIn.restart()
                        NumberAnimation on opacity {
                            id: fadeIn
                            running: false
                            from: 0
                            to: 1
                            duration: screen.controller.soundFadeInMs
                        }
                    }
                    Text {
                        id: chevron
                        anchors.right: parent.right
                        anchors.rightMargin: 14
                        anchors.verticalCenter: parent.verticalCenter
                        text: "›"
                        color: screen.grey
                        font.pixelSize: 26
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: screen.controller.openSoundPicker()
                    }
                }
            }

            Text {
                objectName: "saveProblem"
                x: 16
                width: parent.width - 32
                visible: text !== ""
                text: screen.controller.saveProblem
                wrapMode: Text.WordWrap
                color: "#FF8A80"
                font.family: Kit.lightFontFamily
                font.pixelSize: 14
                Accessible.role: Accessible.AlertMessage
                Accessible.name: text
            }
        }
    }

    EditorTopBar {
        width: parent.width
        title: screen.controller.titleViewText
        leftTitle: screen.controller.cancelTitle
        rightTitle: screen.controller.saveTitle
        rightEnabled: screen.controller.canSave
        onLeftPressed: screen.controller.cancel()
        onRightPressed: screen.controller.save()
    }

    // Dims the screen while the time picker is up; a tap on it closes the panel.
    Rectangle {
        objectName: "timePickerMask"
        anchors.fill: parent
        color: "black"
        visible: opacity > 0
        opacity: screen.controller.timePicker.raised ? screen.controller.timePicker.maskOpacity : 0
        Behavior on opacity { NumberAnimation { duration: screen.controller.timePicker.maskFadeMs } }
        // While the panel is up or moving it takes every tap; only a panel fully up closes.
        MouseArea {
            anchors.fill: parent
            enabled: screen.controller.timePicker.raised
            onClicked: screen.controller.closeTimePicker()
        }
    }
    TimePickerPanel {
        objectName: "timePickerPanel"
        picker: screen.controller.timePicker
    }
}
