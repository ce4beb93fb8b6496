import QtQuick
import Tolvek

// The unlocker picker: the paging strip of illustrations with page dots,
// then the page's title, motto and rating, and the "Use" button. The strip
// reports its offset to the controller, which decides the texts and alpha.
Item {
    id: picker
    required property var controller

    // Shown on its own (a preview of the strip, a screenshot), the strip brings
    // the app's background; inside the setting screen that screen's shows.
    Image {
        anchors.fill: parent
        visible: picker.height > bottom.y + bottom.height + 100
        source: Kit.backgroundPictureUrl("menu-bg.jpg")
        fillMode: Image.PreserveAspectCrop
    }
    Rectangle {
        objectName: "pickerBackdrop"
        y: strip.y
        width: picker.width
        height: bottom.y + bottom.height - strip.y
        color: Qt.rgba(0, 0, 0, 0.35)
    }
    ListView {
        id: strip
        objectName: "contentScrollView"
        y: 64
        width: picker.controller.scrollViewWidth
        height: picker.controller.scrollViewHeight
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        // Every page stays made, so assistive tools can reach each one.
        cacheBuffer: Math.max(0, picker.controller.pageCount * width)
        model: picker.controller.illustrationUrls
        onContentXChanged: picker.controller.scrolledTo(contentX - originX)
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Unlockers")

        delegate: Image {
            required property string modelData
            required property int index
            width: strip.width
            height: strip.height
            source: modelData
            fillMode: Image.PreserveAspectCrop
            // A page for assistive tools, selected while in view: pressing it brings it into view.
            Accessible.role: Accessible.Button
            Accessible.name: picker.controller.pageNames[index]
            Accessible.selectable: true
            Accessible.selected: index === picker.controller.currentPage
            Accessible.onPressAction: picker.controller.scrollToUnlocker(index, true)
            MouseArea {
                anchors.fill: parent
                onClicked: picker.controller.preview()
            }
        }

        NumberAnimation {
            id: scrollAnimation
            target: strip
            property: "contentX"
            duration: 300
            easing.type: Easing.OutCubic
        }
        Connections {
            target: picker.controller
            function onScrollRequested(offset, animated) {
                scrollAnimation.stop()
                const page = Math.round(offset / strip.width)
                if (animated) {
                    scrollAnimation.to = offset + strip.originX
                    scrollAnimation.start()
                } else {
                    strip.positionViewAtIndex(page, ListView.Beginning)
                }
                strip.currentIndex = page
            }
        }
    }
    Rectangle {
        objectName: "previewLabel"
        x: strip.width - width - 10
        y: strip.y + 10
        width: previewText.width + 16
        height: 22
        radius: 11
        color: Qt.rgba(0, 0, 0, 0.45)
        Accessible.role: Accessible.Button
        Accessible.name: picker.controller.previewLabelText
        Accessible.onPressAction: picker.controller.preview()
        MouseArea {
            anchors.fill: parent
            onClicked: picker.controller.preview()
        }
        Text {
            id: previewText
            anchors.centerIn: parent
            text: picker.controller.previewLabelText
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 12
        }
    }
    Row {
        objectName: "contentPageControl"
        anchors.horizontalCenter: strip.horizontalCenter
        y: strip.y + strip.height - 16
        spacing: 8
        Repeater {
            model: picker.controller.pageCount
            delegate: Rectangle {
                required property int index
                width: 7
                height: 7
                radius: 3.5
                color: index === picker.controller.currentPage ? "white" : Qt.rgba(1, 1, 1, 0.35)
            }
        }
    }
    Item {
        id: bottom
        y: strip.y + strip.height
        width: picker.width
        height: 82

        Text {
            objectName: "titleLabel"
            x: 12
            y: 8
            width: 200
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: picker.controller.titleText
            opacity: picker.controller.textAlpha
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 19
        }
        Text {
            objectName: "subtitleLabel"
            x: 12
            y: 34
            width: 200
            text: picker.controller.subtitleText
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            opacity: picker.controller.textAlpha
            color: Qt.rgba(1, 1, 1, 0.75)
            font.family: Kit.lightFontFamily
            font.pixelSize: 12
            elide: Text.ElideRight
        }
        Item {
            objectName: "bottomContentView"
            x: 8
            y: 36
            width: 160
            height: 40
            LevelMarksView {
                objectName: "gameLevel"
                x: 4
                y: 21
                level: picker.controller.gameLevel
                opacity: picker.controller.textAlpha
            }
        }
        Item {
            objectName: "useButton"
            x: 226
            y: 20
            width: 82
            height: 40
            Accessible.role: Accessible.Button
            Accessible.name: picker.controller.useLabelText
            Accessible.checkable: true
            Accessible.checked: picker.controller.pageInUse
            Accessible.onPressAction: picker.controller.useCurrentUnlocker()
            Image {
                anchors.fill: parent
                source: picker.controller.useButtonPictureUrl
            }
            Text {
                objectName: "useLabel"
                anchors.centerIn: parent
                text: picker.controller.useLabelText
                color: "white"
                font.family: Kit.lightFontFamily
                font.pixelSize: 17
            }
            MouseArea {
                anchors.fill: parent
                onClicked: picker.controller.useCurrentUnlocker()
            }
        }
    }
}
