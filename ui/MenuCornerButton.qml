import QtQuick
import Tolvek

// The menu button of a top-level screen shown outside a navigation controller.
Image {
    id: button
    property QtObject controller

    objectName: "menuCornerButton"
    visible: controller !== null && controller.menuButtonFrame.width > 0
    x: visible ? controller.menuButtonFrame.x : 0
    y: visible ? controller.menuButtonFrame.y : 0
    width: visible ? controller.menuButtonFrame.width : 0
    height: visible ? controller.menuButtonFrame.height : 0
    source: controller ? Kit.pictureUrl(controller.menuButtonPicture) : ""
    fillMode: Image.Pad
    MouseArea {
        anchors.fill: parent
        onClicked: button.controller.showMenu()
    }
}
