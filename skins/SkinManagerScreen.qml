// qmllint disable unqualified
// Its list's header or footer reaches the screen's ids. Qt 6.4 cannot make a
// view's header or footer from a bound component (pragma ComponentBehavior:
// Bound), which is what lets qmllint resolve such ids, so it is not bound.
import QtQuick
import QtQuick.Dialogs
import Tolvek
import Tolvek.Themes
import Tolvek.Skins

// The skin manager: the nine skins in a grid, the current one marked, and
// the button that makes a skin of one's own photo.
Item {
    id: screen
    required property SkinManagerScreen controller

    ThemedBackground {
        anchors.fill: parent
    }
    GridView {
        id: grid
        objectName: "skinGrid"
        anchors.fill: parent
        anchors.topMargin: 54
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        cellWidth: width / 3
        cellHeight: cellWidth * 1.5
        model: screen.controller.skinCount
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        delegate: Item {
            id: cell
            required property int index
            readonly property int number: index + 1
            readonly property bool current: screen.controller.currentSkin === number
            objectName: "skinCell" + number
            width: grid.cellWidth
            height: grid.cellHeight
            Accessible.role: Accessible.ListItem
            Accessible.name: qsTr("Skin %1").arg(number)
            Accessible.selectable: true
            Accessible.selected: current
            Accessible.onPressAction: screen.controller.previewSkin(number)

            Image {
                id: thumbnail
                anchors.fill: parent
                anchors.margins: 5
                source: String(screen.controller.thumbnailUrls[cell.index])
                fillMode: Image.PreserveAspectCrop
            }
            Rectangle {
                anchors.fill: thumbnail
                color: Qt.rgba(0, 0, 0, 0.35)
                opacity: cell.current ? 1 : 0
            }
            Image {
                anchors.centerIn: thumbnail
                width: 22
                height: 22
                visible: cell.current
                source: screen.controller.markerUrl
            }
            MouseArea {
                anchors.fill: parent
                onClicked: screen.controller.previewSkin(cell.number)
            }
        }
        footer: Item {
            width: grid.width
            height: 70
            Rectangle {
                id: usePhotoButton
                objectName: "usePhotoButton"
                anchors.centerIn: parent
                width: 200
                height: 40
                radius: 6
                color: Qt.rgba(0, 0, 0, 0.35)
                border.color: Kit.brandColor
                border.width: 1
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Use photo")
                Accessible.description: screen.controller.customSkinCurrent ? qsTr("Your photo is the current skin") : ""
                Accessible.onPressAction: photoDialog.open()
                Text {
                    anchors.centerIn: parent
                    text: screen.controller.usePhotoTitle
                    color: "white"
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 16
                }
                Image {
                    anchors.right: parent.right
                    anchors.rightMargin: 6
                    anchors.verticalCenter: parent.verticalCenter
                    width: 22
                    height: 22
                    visible: screen.controller.customSkinCurrent
                    source: screen.controller.markerUrl
                }
                MouseArea {
                    anchors.fill: parent
                    enabled: !screen.controller.readingPhoto
                    onClicked: photoDialog.open()
                }
            }
        }
    }
    FileDialog {
        id: photoDialog
        title: screen.controller.usePhotoTitle
        currentFolder: screen.controller.picturesFolder
        nameFilters: [qsTr("Pictures (*.jpg *.jpeg *.png *.webp *.bmp *.gif *.tif *.tiff)"), qsTr("All files (*)")]
        onAccepted: screen.controller.usePhoto(selectedFile)
    }
    Connections {
        target: screen.controller
        function onPhotoPickerRequested() { photoDialog.open() }
    }
    MenuCornerButton {
        controller: screen.controller
    }
}
