import QtQuick
import Tolvek

// The menu button of a top-level screen shown outside a navigation stack.
Image {
    id: button
    property TopLevelScreen controller

    objectName: "menuCornerButton"
    anchors.left: parent.left
    anchors.leftMargin: 10
    anchors.top: parent.top
    anchors.topMargin: 10
    width: 50
    height: 50
    visible: controller !== null && controller.hasMenuCornerButton
    source: controller ? Kit.pictureUrl(controller.menuButtonPicture) : ""
    fillMode: Image.Pad
    Accessible.role: Accessible.Button
    Accessible.name: controller ? controller.menuButtonTitle : ""
    Accessible.checkable: true
    Accessible.checked: controller ? controller.menuOpen : false
    Accessible.onPressAction: controller.showMenu()
    MouseArea {
        anchors.fill: parent
        onClicked: button.controller.showMenu()
    }
}
