import QtQuick
import Tolvek
import Tolvek.Themes

// The "More" screen: the way to the about screen and to the rating page.
Item {
    id: screen
    required property var controller

    ThemedBackground {
        anchors.fill: parent
    }
    Column {
        anchors.centerIn: parent
        spacing: 20
        Repeater {
            model: [
                { "name": "aboutUsButton", "title": screen.controller.aboutUsTitle },
                { "name": "rateUsButton", "title": screen.controller.rateUsTitle }
            ]
            delegate: Rectangle {
                required property var modelData
                required property int index
                objectName: modelData.name
                width: 220
                height: 46
                radius: 23
                color: Qt.rgba(0, 0, 0, 0.35)
                border.color: Kit.brandColor
                border.width: 1
                Text {
                    anchors.centerIn: parent
                    text: modelData.title
                    color: "white"
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 18
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: index === 0 ? screen.controller.aboutUs() : screen.controller.rateUs()
                }
            }
        }
    }
    MenuCornerButton {
        controller: screen.controller
    }
}
