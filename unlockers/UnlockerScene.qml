import QtQuick
import Tolvek
import Tolvek.Unlockers

// What every unlock screen shows: the scene picture, the clock, the notice
// with its exclamation mark and, in preview mode, the back button. A game's
// screen fills it with its scene (its children go above the clock) and hands
// it its controller; the scene stops taking touches once the game is won.
Item {
    id: scene
    required property UnlockScreen controller
    property url backgroundUrl
    default property alias content: content.data

    Image {
        anchors.fill: parent
        source: scene.backgroundUrl
        fillMode: Image.PreserveAspectCrop
        Accessible.ignored: true
    }
    TimeView {
        objectName: "clockView"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.topMargin: 65
        dateLeftAligned: true
        labelColor: "white"
        scale: 0.88
    }
    Item {
        id: content
        anchors.fill: parent
        enabled: scene.controller.userInteractionEnabled
    }
    // The notice starts right of its icon instead of under it.
    Image {
        id: noticeIcon
        objectName: "noticeIcon"
        anchors.left: parent.left
        anchors.leftMargin: 150
        anchors.top: parent.top
        anchors.topMargin: 71
        source: Kit.pictureUrl("unlock-notice-excalmation-mark")
        Accessible.ignored: true
    }
    TopAligningLabel {
        objectName: "noticeLabel"
        anchors.left: noticeIcon.right
        anchors.leftMargin: 4
        anchors.right: parent.right
        anchors.rightMargin: 5
        anchors.top: noticeIcon.top
        anchors.topMargin: -1
        text: scene.controller.noticeText
        color: "white"
        font.family: Kit.lightFontFamily
        font.pixelSize: 14
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Item {
        objectName: "dismissButton"
        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.top: parent.top
        anchors.topMargin: 30
        width: 60
        height: 40
        visible: scene.controller.hasDismissButton
        enabled: scene.controller.dismissButtonEnabled
        opacity: enabled ? 1 : 0.4
        Accessible.role: Accessible.Button
        Accessible.name: scene.controller.dismissButtonTitle
        Accessible.onPressAction: scene.controller.dismiss()

        Row {
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
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
                Accessible.ignored: true
            }
        }
        MouseArea {
            anchors.fill: parent
            onClicked: scene.controller.dismiss()
        }
    }
}
