pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Unlockers

// The unlocker picker: the paging strip of illustrations with page dots,
// then the page's title, motto and rating, and the "Use" button. The strip
// reports how far it has scrolled to the controller, which decides the texts
// and their alpha.
Item {
    id: picker
    required property UnlockerPicker controller

    // Shown on its own (a preview of the strip, a screenshot), the strip brings
    // the app's background; inside the setting screen that screen's shows.
    Image {
        anchors.fill: parent
        visible: picker.height > bottom.y + bottom.height + 100
        source: Kit.backgroundPictureUrl("menu-bg.jpg")
        fillMode: Image.PreserveAspectCrop
        Accessible.ignored: true
    }
    Rectangle {
        objectName: "pickerBackdrop"
        anchors.top: strip.top
        anchors.bottom: bottom.bottom
        width: picker.width
        color: Qt.rgba(0, 0, 0, 0.35)
    }
    ListView {
        id: strip
        objectName: "contentScrollView"
        anchors.top: parent.top
        anchors.topMargin: 64
        width: picker.width
        height: 200
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        // Every page stays made, so assistive tools can reach each one.
        cacheBuffer: Math.max(0, picker.controller.pageCount * width)
        model: picker.controller.illustrationUrls
        onContentXChanged: if (width > 0) picker.controller.scrolledTo((contentX - originX) / width)
        Component.onCompleted: positionViewAtIndex(picker.controller.currentPage, ListView.Beginning)
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
            duration: picker.controller.pageScrollMs
            easing.type: Easing.OutCubic
        }
        Connections {
            target: picker.controller
            function onScrollRequested(page, animated) {
                scrollAnimation.stop()
                if (animated) {
                    scrollAnimation.to = page * strip.width + strip.originX
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
        anchors.right: strip.right
        anchors.rightMargin: 10
        anchors.top: strip.top
        anchors.topMargin: 10
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
            Accessible.ignored: true
        }
    }
    Row {
        objectName: "contentPageControl"
        anchors.horizontalCenter: strip.horizontalCenter
        anchors.bottom: strip.bottom
        anchors.bottomMargin: 9
        spacing: 8
        Accessible.role: Accessible.Indicator
        Accessible.name: (picker.controller.currentPage + 1) + " / " + picker.controller.pageCount
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
        anchors.top: strip.bottom
        width: picker.width
        height: 82

        Text {
            objectName: "titleLabel"
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.top: parent.top
            anchors.topMargin: 8
            width: 200
            text: picker.controller.titleText
            opacity: picker.controller.textAlpha
            color: "white"
            font.family: Kit.lightFontFamily
            font.pixelSize: 19
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            objectName: "subtitleLabel"
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.top: parent.top
            anchors.topMargin: 34
            width: 200
            text: picker.controller.subtitleText
            opacity: picker.controller.textAlpha
            color: Qt.rgba(1, 1, 1, 0.75)
            font.family: Kit.lightFontFamily
            font.pixelSize: 12
            elide: Text.ElideRight
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        LevelMarksView {
            objectName: "gameLevel"
            anchors.left: parent.left
            anchors.leftMargin: 12
            anchors.top: parent.top
            anchors.topMargin: 57
            level: picker.controller.gameLevel
            opacity: picker.controller.textAlpha
        }
        Item {
            objectName: "useButton"
            anchors.right: parent.right
            anchors.rightMargin: 12
            anchors.top: parent.top
            anchors.topMargin: 20
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
                Accessible.ignored: true
            }
            MouseArea {
                anchors.fill: parent
                onClicked: picker.controller.useCurrentUnlocker()
            }
        }
    }
}
