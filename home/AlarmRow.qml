import QtQuick
import Tolvek
import Tolvek.Home

// One alarm of the list: time, weekday strip, slogan, the unlocker's picture
// and level, its own on/off switch. Off, it turns grey with a cross-fade.
// The placeholder of a dragged row is blank.
Item {
    id: row
    required property HomeScreen controller
    required property int index
    required property string timeText
    required property var days
    required property string slogan
    required property string unlockerPicture
    required property bool active
    required property var levelMarks
    required property string accessibleName
    required property bool placeholder
    // The turn of the flip into the in-cell editor, in degrees.
    property real flipAngle: 0

    width: ListView.view ? ListView.view.width : 320
    height: controller.rowHeight

    Accessible.role: Accessible.Button
    Accessible.name: placeholder ? "" : accessibleName
    Accessible.onPressAction: controller.selectRow(index)

    transform: Rotation {
        origin.x: row.width / 2
        origin.y: row.height / 2
        axis { x: 0; y: 1; z: 0 }
        angle: row.flipAngle
    }

    Item {
        id: content
        anchors.fill: parent
        visible: !row.placeholder

        // Two backgrounds, one per state, cross-fading when the alarm is switched.
        Rectangle {
            objectName: "activeBackground"
            anchors.fill: parent
            color: Qt.rgba(1, 1, 1, 0.86)
            opacity: row.active ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: row.controller.crossFadeMs } }
        }
        Rectangle {
            objectName: "inactiveBackground"
            anchors.fill: parent
            color: Qt.rgba(0.62, 0.62, 0.64, 0.8)
            opacity: row.active ? 0 : 1
            Behavior on opacity { NumberAnimation { duration: row.controller.crossFadeMs } }
        }
        Text {
            objectName: "timeLabel"
            x: 16
            y: 4
            text: row.timeText
            color: row.active ? "#333333" : "#5E5E5E"
            font.family: Kit.lightFontFamily
            font.pixelSize: 38
            Accessible.ignored: true
        }
        Row {
            objectName: "weekdayStrip"
            x: 18
            y: 50
            spacing: 4
            Accessible.ignored: true
            Repeater {
                model: row.days
                delegate: Text {
                    required property var modelData
                    text: modelData.text
                    color: modelData.lit ? Kit.brandColor : Kit.colorWithHex(0x707070)
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 9
                    font.bold: modelData.lit
                }
            }
        }
        Text {
            objectName: "sloganLabel"
            x: 18
            y: 66
            width: 160
            text: row.slogan
            elide: Text.ElideRight
            maximumLineCount: 1
            wrapMode: Text.NoWrap
            horizontalAlignment: Text.AlignLeft
            color: row.active ? "#555555" : "#505050"
            font.family: Kit.lightFontFamily
            font.pixelSize: 12
            Accessible.ignored: true
        }
        PictureView {
            objectName: "unlockerPicture"
            x: 186
            y: 8
            width: 60
            height: 44
            name: row.unlockerPicture
            greyed: !row.active
        }
        Row {
            x: 192
            y: 62
            spacing: 2
            Repeater {
                model: row.levelMarks
                delegate: Image {
                    required property string modelData
                    width: 8
                    height: 8
                    source: Kit.pictureUrl(modelData)
                    opacity: row.active ? 1 : 0.5
                }
            }
        }
        OnOffSwitch {
            objectName: "rowSwitch"
            x: 260
            anchors.verticalCenter: parent.verticalCenter
            checked: row.active
            onToggled: on => row.controller.setRowActive(row.index, on)
        }
        Rectangle {
            objectName: "separator"
            width: parent.width
            height: 1
            anchors.bottom: parent.bottom
            color: Kit.colorWithHex(0x9C9C9C)
        }
    }
    MouseArea {
        id: touch
        anchors.fill: parent
        anchors.rightMargin: 64 // the switch takes its own touches
        pressAndHoldInterval: row.controller.longPressMs
        // Stays enabled while its row is the placeholder: disabling it would cancel the drag it carries.
        onClicked: if (!row.placeholder) row.controller.selectRow(row.index)
        preventStealing: row.controller.reordering
        onPressAndHold: mouse => row.ListView.view.startDrag(row, mouse.y)
        // While dragging, this row is the placeholder and the finger's grab stays with it.
        onPositionChanged: mouse => {
            if (row.controller.reordering)
                row.ListView.view.dragTo(mapToItem(row.ListView.view, mouse.x, mouse.y).y)
        }
        onReleased: if (row.controller.reordering) row.ListView.view.endDrag()
        onCanceled: if (row.controller.reordering) row.ListView.view.endDrag()
    }
}
