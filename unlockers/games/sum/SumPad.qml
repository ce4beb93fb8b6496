pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tolvek
import Tolvek.Games.Sum

// The sum beside its answer box and the keypad, whose keys pop up one by one,
// for a calculation challenge; the sum game and the smile game's fallback lay
// it over their scenes. Everything sits a little lower on the tall screen.
Item {
    id: pad
    required property SumChallenge challenge
    property bool tall: false

    Text {
        id: arithmeticLabel
        objectName: "arithmeticLabel"
        anchors.left: parent.left
        anchors.leftMargin: 16
        anchors.top: parent.top
        anchors.topMargin: pad.tall ? 315 : 300
        width: 200
        height: 44
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignRight
        text: pad.challenge.arithmeticString
        color: "white"
        font.family: Kit.lightFontFamily
        font.pixelSize: 30
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Rectangle {
        objectName: "resultLabel"
        anchors.left: arithmeticLabel.right
        anchors.leftMargin: 8
        anchors.verticalCenter: arithmeticLabel.verticalCenter
        width: 80
        height: 40
        radius: 4
        color: Qt.rgba(1, 1, 1, 0.2)
        Accessible.role: Accessible.StaticText
        Accessible.name: qsTr("Answer")
        Accessible.description: answer.text
        Text {
            id: answer
            anchors.centerIn: parent
            text: pad.challenge.resultText
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 30
            Accessible.ignored: true
        }
    }
    // Slots 0-5 make the first row, 6-9 the start of the second and slot
    // 10 (the delete key's) its double-width end.
    GridLayout {
        objectName: "keypad"
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.top: parent.top
        anchors.topMargin: pad.tall ? 450 : 390
        columns: 6
        columnSpacing: 10
        rowSpacing: 5

        Repeater {
            model: pad.challenge.keySlots
            delegate: Rectangle {
                id: key
                required property int modelData
                required property int index
                readonly property bool shown: index < pad.challenge.shownKeyCount
                readonly property string title: pad.challenge.keyTitles[index]
                objectName: "key" + index
                Layout.row: modelData < 6 ? 0 : 1
                Layout.column: modelData < 6 ? modelData : modelData - 6
                Layout.columnSpan: modelData === 10 ? 2 : 1
                Layout.fillWidth: Layout.columnSpan > 1
                Layout.preferredWidth: 40
                Layout.preferredHeight: 40
                radius: 4
                color: Qt.rgba(1, 1, 1, 0.5)
                visible: shown
                opacity: 0
                scale: 0.7
                onShownChanged: if (shown) pop.start()
                Component.onCompleted: if (shown) pop.start()
                Accessible.role: Accessible.Button
                Accessible.name: title
                Accessible.onPressAction: pad.challenge.pressKey(index)

                SequentialAnimation {
                    id: pop
                    ParallelAnimation {
                        NumberAnimation { target: key; property: "opacity"; to: 1; duration: pad.challenge.keyPopStepMs }
                        NumberAnimation { target: key; property: "scale"; to: 1.1; duration: pad.challenge.keyPopStepMs }
                    }
                    NumberAnimation { target: key; property: "scale"; to: 0.9; duration: pad.challenge.keyPopStepMs }
                    NumberAnimation { target: key; property: "scale"; to: 1.0; duration: pad.challenge.keyPopStepMs }
                }
                Text {
                    anchors.centerIn: parent
                    text: key.title
                    color: Kit.colorWithHex(0x727171)
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 20
                    Accessible.ignored: true
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: pad.challenge.pressKey(key.index)
                }
            }
        }
    }
}
