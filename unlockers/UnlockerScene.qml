import QtQuick
import Tolvek

// What every unlock screen shows: the scene picture, the clock, the notice
// with its exclamation mark and, in preview mode, the back button. A game
// puts its scene inside; it stops taking touches once the game is won.
Item {
    id: scene
    required property var controller
    property string backgroundUrl
    default property alias content: content.data

    Image {
        anchors.fill: parent
        source: scene.backgroundUrl
        fillMode: Image.PreserveAspectCrop
    }
    TimeView {
        objectName: "clockView"
        x: 0
        y: 65
        dateLeftAligned: true
        labelColor: "white"
        scale: 0.88
    }
    Item {
        id: content
        anchors.fill: parent
        enabled: scene.controller.userInteractionEnabled
    }
    Image {
        objectName: "noticeIcon"
        x: scene.controller.noticeIconOrigin.x
        y: scene.controller.noticeIconOrigin.y
        source: Kit.pictureUrl("unlock-notice-excalmation-mark")
    }
    TopAligningLabel {
        objectName: "noticeLabel"
        x: scene.controller.noticeLabelFrame.x
        y: scene.controller.noticeLabelFrame.y
        width: scene.controller.noticeLabelFrame.width
        text: scene.controller.noticeText
        color: "white"
        font.family: Kit.lightFontFamily
        font.pixelSize: 14
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Item {
        objectName: "dismissButton"
        x: scene.controller.dismissButtonFrame.x
        y: scene.controller.dismissButtonFrame.y
        width: scene.controller.dismissButtonFrame.width
        height: scene.controller.dismissButtonFrame.height
        visible: scene.controller.hasDismissButton
        enabled: scene.controller.dismissButtonEnabled
        opacity: enabled ? 1 : 0.4
        Row {
            anchors.verticalCenter: parent.verticalCenter
            Image {
                anchors.verticalCenter: parent.verticalCenter
                source: Kit.pictureUrl("unlock-back-arrow")
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: scene.controller.dismissButtonTitle
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 17
            }
        }
        MouseArea {
            anchors.fill: parent
            onClicked: scene.controller.dismiss()
        }
    }
}
