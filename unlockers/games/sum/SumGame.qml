import QtQuick
import Tolvek
import Tolvek.Unlockers
import Tolvek.Games.Sum

// The calculation game: the sum, the answer box, a slowly turning picture and
// the keypad, whose keys pop up one by one.
Item {
    id: screen
    required property SumGame controller

    UnlockerScene {
        anchors.fill: parent
        controller: screen.controller
        backgroundUrl: screen.controller.backgroundPictureUrl

        Image {
            id: centerIllustrate
            objectName: "centerIllustrate"
            anchors.horizontalCenter: parent.horizontalCenter
            y: screen.controller.centerPictureTop
            source: Kit.pictureUrl("unlock-scene1-center-illustate")
            smooth: true
            NumberAnimation on rotation {
                id: turn
                running: false
                from: 0
                to: 360
                duration: 10000
            }
            Connections {
                target: screen.controller
                function onCenterPictureTurnStarted() { turn.restart() }
            }
            Component.onCompleted: if (screen.controller.centerPictureTurnCount > 0) turn.start()
        }
        Text {
            objectName: "arithmeticLabel"
            x: screen.controller.arithmeticLabelFrame.x
            y: screen.controller.arithmeticLabelFrame.y
            width: screen.controller.arithmeticLabelFrame.width
            height: screen.controller.arithmeticLabelFrame.height
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignRight
            text: screen.controller.arithmeticString
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 30
        }
        Rectangle {
            objectName: "resultLabel"
            x: screen.controller.resultLabelFrame.x
            y: screen.controller.resultLabelFrame.y
            width: screen.controller.resultLabelFrame.width
            height: screen.controller.resultLabelFrame.height
            radius: 4
            color: Qt.rgba(1, 1, 1, 0.2)
            Text {
                anchors.centerIn: parent
                text: screen.controller.resultText
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 30
            }
        }
        Repeater {
            model: screen.controller.keys
            delegate: Rectangle {
                id: key
                required property var modelData
                required property int index
                readonly property bool shown: index < screen.controller.shownKeyCount
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
                    anchors.centerIn: parent
                    text: key.modelData.title
                    color: Kit.colorWithHex(0x727171)
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 20
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: screen.controller.pressKey(key.modelData.tag)
                }
            }
        }
    }
}
