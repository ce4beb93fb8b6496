import QtQuick
import Tolvek

// A small on/off switch: a track and a knob that slides. It reports the
// state the user asks for; `checked` follows what is stored.
Item {
    id: control
    property bool checked: false
    signal toggled(bool on)

    width: 48
    height: 28

    Accessible.role: Accessible.CheckBox
    Accessible.name: qsTr("Alarm on")
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onToggleAction: control.toggled(!control.checked)
    Accessible.onPressAction: control.toggled(!control.checked)

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: control.checked ? Kit.brandColor : "#B8B8B8"
        Behavior on color { ColorAnimation { duration: 150 } }
    }
    Rectangle {
        width: parent.height - 4
        height: width
        radius: width / 2
        y: 2
        x: control.checked ? parent.width - width - 2 : 2
        color: "white"
        Behavior on x { NumberAnimation { duration: 150 } }
    }
    MouseArea {
        anchors.fill: parent
        anchors.margins: -8
        onClicked: control.toggled(!control.checked)
    }
}
