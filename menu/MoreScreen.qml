import QtQuick
import Tolvek
import Tolvek.Themes
import Tolvek.Menu

// The "More" screen: the way to the about screen and to the rating page.
Item {
    id: screen
    required property MoreScreen controller

    component RoundButton: Rectangle {
        id: button
        property alias title: label.text
        signal clicked()

        width: 220
        height: 46
        radius: height / 2
        color: Qt.rgba(0, 0, 0, 0.35)
        border.color: Kit.brandColor
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: title
        Accessible.onPressAction: button.clicked()
        Text {
            id: label
            anchors.centerIn: parent
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 18
            Accessible.ignored: true
        }
        MouseArea {
            anchors.fill: parent
            onClicked: button.clicked()
        }
    }

    ThemedBackground {
        anchors.fill: parent
    }
    Column {
        anchors.centerIn: parent
        spacing: 20
        RoundButton {
            objectName: "aboutUsButton"
            title: screen.controller.aboutUsTitle
            onClicked: screen.controller.aboutUs()
        }
        RoundButton {
            objectName: "rateUsButton"
            title: screen.controller.rateUsTitle
            onClicked: screen.controller.rateUs()
        }
    }
    MenuCornerButton {
        controller: screen.controller
    }
}
