pragma ComponentBehavior: Bound
import QtQuick
import Tolvek
import Tolvek.Menu

// The side menu: logo, entries (or the secondary entries swapped in for them)
// and the feedback block, on the left of the container.
Item {
    id: screen
    required property MenuScreen controller
    readonly property real entriesTop: Kit.tall ? 170 : 160

    Image {
        objectName: "menuLogo"
        x: 0
        y: screen.entriesTop - height - (Kit.tall ? 50 : 30)
        width: 180
        height: 60
        source: screen.controller.logoUrl
        fillMode: Image.PreserveAspectFit
        Accessible.role: Accessible.Graphic
        Accessible.name: qsTr("Tolvek Alarm")
    }

    component Entry: Text {
        id: entry
        property string accessibleName
        signal activated()
        width: 200
        height: 40
        verticalAlignment: Text.AlignVCenter
        color: tap.pressed ? "lightgrey" : Kit.brandColor
        font.family: Kit.lightFontFamily
        font.pixelSize: 20
        Accessible.role: Accessible.Button
        Accessible.name: accessibleName
        Accessible.onPressAction: entry.activated()
        MouseArea {
            id: tap
            anchors.fill: parent
            onClicked: entry.activated()
        }
    }

    Column {
        id: mainEntries
        objectName: "mainEntries"
        x: 20
        y: screen.entriesTop
        visible: opacity > 0
        opacity: screen.controller.showingMore ? 0 : 1
        scale: screen.controller.showingMore ? 1.2 : 1
        Behavior on opacity { NumberAnimation { duration: screen.controller.swapDurationMs } }
        Behavior on scale { NumberAnimation { duration: screen.controller.swapDurationMs } }
        Repeater {
            model: screen.controller.entries
            delegate: Entry {
                required property string modelData
                required property int index
                objectName: "menuEntry" + index
                text: modelData
                accessibleName: screen.controller.entryNames[index]
                onActivated: screen.controller.chooseEntry(index)
            }
        }
    }
    Column {
        id: moreEntries
        objectName: "moreEntries"
        x: 20
        y: screen.entriesTop
        visible: opacity > 0
        opacity: screen.controller.showingMore ? 1 : 0
        scale: screen.controller.showingMore ? 1 : 0.8
        Behavior on opacity { NumberAnimation { duration: screen.controller.swapDurationMs } }
        Behavior on scale { NumberAnimation { duration: screen.controller.swapDurationMs } }
        Repeater {
            model: screen.controller.moreEntries
            delegate: Entry {
                required property string modelData
                required property int index
                objectName: "moreEntry" + index
                x: index === 0 ? -40 : 0
                text: modelData
                accessibleName: screen.controller.moreEntryNames[index]
                onActivated: screen.controller.chooseMoreEntry(index)
            }
        }
    }

    Column {
        objectName: "feedbackBlock"
        y: Kit.tall ? 410 : 340
        width: screen.width * 0.75 * 0.55
        spacing: 2
        Image {
            objectName: "feedbackButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 36
            height: 36
            source: screen.controller.feedbackPictureUrl
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Feedback")
            Accessible.onPressAction: screen.controller.feedback()
            MouseArea {
                anchors.fill: parent
                onClicked: screen.controller.feedback()
            }
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: screen.controller.feedbackTitle
            color: Kit.brandColor
            font.family: Kit.lightFontFamily
            font.pixelSize: 11
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: screen.controller.creditLine
            color: Kit.brandColor
            font.family: Kit.lightFontFamily
            font.pixelSize: 11
        }
    }
}
