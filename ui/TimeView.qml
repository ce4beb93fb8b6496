import QtQuick
import Tolvek

// Layout of the time view: large hour and minute digits with the colon and the
// AM/PM mark, the date line below. Users may left-align the date and scale it.
ClockTicker {
    id: time
    property bool dateLeftAligned: false

    implicitWidth: 280
    implicitHeight: 140

    Item {
        id: timePlaneView
        objectName: "timePlaneView"
        width: parent.width
        height: 100
        Accessible.role: Accessible.StaticText
        Accessible.name: time.hourText + time.colonText + time.minuteText + time.ampmText
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            Text {
                objectName: "timeHourLabel"
                text: time.hourText
                color: time.labelColor
                font.family: Kit.lightFontFamily
                font.pixelSize: 88
                Accessible.ignored: true
            }
            Text {
                objectName: "colonLabel"
                text: time.colonText
                color: time.labelColor
                font.family: Kit.lightFontFamily
                font.pixelSize: 80
                Accessible.ignored: true
            }
            Text {
                objectName: "timeMinuteLabel"
                text: time.minuteText
                color: time.labelColor
                font.family: Kit.lightFontFamily
                font.pixelSize: 88
                Accessible.ignored: true
            }
            Text {
                objectName: "ampmLabel"
                text: time.ampmText
                color: time.labelColor
                font.family: Kit.lightFontFamily
                font.pixelSize: 18
                Accessible.ignored: true
            }
        }
    }
    Text {
        objectName: "dateLabel"
        anchors.top: timePlaneView.bottom
        anchors.topMargin: 8
        width: parent.width
        horizontalAlignment: time.dateLeftAligned ? Text.AlignLeft : Text.AlignHCenter
        text: time.dateText
        color: time.labelColor
        font.family: Kit.lightFontFamily
        font.pixelSize: 20
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
