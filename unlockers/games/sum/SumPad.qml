import QtQuick
import Tolvek
import Tolvek.Games.Sum

// The sum, the answer box and the keypad whose keys pop up one by one, for
// a calculation challenge: the smile game's fallback lays it over its scene.
Item {
    id: pad
    required property SumChallenge challenge
    property bool tall: false

    Text {
        objectName: "arithmeticLabel"
        x: 16
        y: pad.tall ? 315 : 300
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
        x: 224
        y: pad.tall ? 317 : 302
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
        }
    }
    Repeater {
        model: pad.challenge.keys
        delegate: Rectangle {
            id: key
            required property var modelData
            required property int index
            readonly property bool shown: index < pad.challenge.shownKeyCount
            objectName: "key" + modelData.tag
            x: modelData.frame.x
            y: modelData.frame.y
            width: modelData.frame.width
            height: modelData.frame.height
            radius: 4
            color: Qt.rgba(1, 1, 1, 0.5)
            visible: shown
            opacity: 0
            scale: 0.7
            onShownChanged: if (shown) pop.start()
            Component.onCompleted: if (shown) pop.start()
            Accessible.role: Accessible.Button
            Accessible.name: keyTitle.text
            Accessible.onPressAction: pad.challenge.pressKey(modelData.tag)

            SequentialAnimation {
                id: pop
                ParallelAnimation {
                    NumberAnimation { target: key; property: "opacity"; to: 1; duration: 100 }
                    NumberAnimation { target: key; property: "scale"; to: 1.1; duration: 100 }
                }
                NumberAnimation { target: key; property: "scale"; to: 0.9; duration: 100 }
                NumberAnimation { target: key; property: "scale"; to: 1.0; duration: 100 }
            }
            Text {
                id: keyTitle
                anchors.centerIn: parent
                text: key.modelData.title
                color: Kit.colorWithHex(0x727171)
                font.family: Kit.lightFontFamily
                font.pixelSize: 20
            }
            MouseArea {
                anchors.fill: parent
                onClicked: pad.challenge.pressKey(key.modelData.tag)
            }
        }
    }
}
