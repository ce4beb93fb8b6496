pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Menu

// The about screen: name, version, slogan and credits on the menu background,
// scrolling when the screen is shorter than they are.
Item {
    id: screen
    required property AboutScreen controller

    Image {
        anchors.fill: parent
        source: screen.controller.backgroundPictureUrl
        fillMode: Image.PreserveAspectCrop
        horizontalAlignment: Image.AlignLeft
        verticalAlignment: Image.AlignTop
        Accessible.ignored: true
    }
    Flickable {
        id: contentScrollView
        objectName: "contentScrollView"
        anchors.fill: parent
        contentWidth: width
        contentHeight: texts.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Column {
            id: texts
            width: contentScrollView.width
            topPadding: 120
            bottomPadding: 20
            spacing: 6
            Text {
                objectName: "appNameLabel"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: screen.controller.appName
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 34
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            Text {
                objectName: "versionLabel"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: screen.controller.versionText
                color: Kit.brandColor
                font.family: Kit.lightFontFamily
                font.pixelSize: 15
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            Text {
                objectName: "sloganLabel"
                width: parent.width
                leftPadding: 30
                rightPadding: 30
                topPadding: 14
                bottomPadding: 24
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: screen.controller.slogan
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 17
                font.italic: true
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            Repeater {
                model: screen.controller.credits
                delegate: Text {
                    required property string modelData
                    width: texts.width
                    bottomPadding: 14
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    text: modelData
                    color: Qt.rgba(1, 1, 1, 0.85)
                    lineHeight: 1.2
                    font.family: Kit.lightFontFamily
                    font.pixelSize: 14
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }
    }
    MenuCornerButton {
        controller: screen.controller
    }
}
