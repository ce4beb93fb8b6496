import QtQuick
import Tolvek
import Tolvek.Themes
import Tolvek.Home

// The home screen: the blurred skin, the alarm list with the clock face as
// its header, the in-cell editor with its flips, and the drag of a row.
Item {
    id: screen
    required property HomeScreen controller

    // The flips: the selected row turns away (0 -> 90), then the editor turns in (-90 -> 0).
    property real cellAngle: 0
    property real overlayAngle: -90
    property real maskOpacity: 0

    function rowY(row) {
        const item = list.itemAtIndex(row)
        return item ? item.mapToItem(screen, 0, 0).y : 0
    }
    function followOverlay() {
        const state = controller.overlayState
        if (state === HomeScreen.Opening && !openFlip.running) {
            closeFlip.stop()
            overlay.y = rowY(controller.selectedRow)
            openFlip.restart()
        } else if (state === HomeScreen.Closing && !closeFlip.running) {
            openFlip.stop()
            closeFlip.restart()
        }
    }

    BlurredBackground {
        id: background
        objectName: "background"
        anchors.fill: parent
        blurAlpha: screen.controller.blurAlphaForOffset(list.contentY - list.originY)
    }

    ListView {
        id: list
        objectName: "alarmList"
        anchors.fill: parent
        model: screen.controller.alarms
        interactive: screen.controller.listInteractive && !screen.controller.reordering
        boundsBehavior: Flickable.StopAtBounds
        reuseItems: true
        cacheBuffer: screen.controller.rowHeight * 2
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Alarms")

        header: ClockFaceView {
            width: list.width
            controller: screen.controller
        }
        delegate: AlarmRow {
            controller: screen.controller
            flipAngle: index === screen.controller.selectedRow ? screen.cellAngle : 0
        }
        remove: Transition {
            NumberAnimation { property: "opacity"; to: 0; duration: screen.controller.flipMs }
        }
        displaced: Transition {
            NumberAnimation { property: "y"; duration: screen.controller.flipMs }
        }

        // Reordering: the row's picture follows the finger, its slot moves under it.
        property real dragY: 0
        property real grabOffset: 0
        function startDrag(row, pressY) {
            const rowIndex = row.index
            row.grabToImage(result => floating.source = result.url)
            grabOffset = pressY
            dragY = row.mapToItem(list, 0, 0).y
            floating.visible = true
            if (!screen.controller.beginReorder(rowIndex))
                floating.visible = false
        }
        function dragTo(yInList) {
            dragY = yInList - grabOffset
            const target = indexAt(width / 2, contentY + yInList)
            const slot = screen.controller.reorderSlot()
            if (target >= 0 && slot >= 0 && target !== slot)
                screen.controller.moveReorder(slot, target)
        }
        function endDrag() {
            floating.visible = false
            screen.controller.finishReorder(screen.controller.reorderSlot())
        }
    }
    // Near the edges the list scrolls by itself while a row is dragged.
    Timer {
        interval: 30
        repeat: true
        running: screen.controller.reordering && (list.dragY < 60 || list.dragY > list.height - 120)
        onTriggered: {
            const step = list.dragY < 60 ? -12 : 12
            list.contentY = Math.max(list.originY, Math.min(list.contentY + step,
                                     list.originY + list.contentHeight - list.height))
            list.dragTo(list.dragY + list.grabOffset)
        }
    }
    Image {
        id: floating
        objectName: "draggedRow"
        visible: false
        x: 0
        y: list.dragY
        width: list.width
        height: screen.controller.rowHeight
        opacity: 0.9
        scale: 1.03
    }

    // The dimming layer under the editor; a tap on it closes the editor.
    Rectangle {
        objectName: "mask"
        anchors.fill: parent
        color: "black"
        opacity: screen.maskOpacity * screen.controller.maskAlpha
        visible: screen.controller.overlayState !== HomeScreen.Closed
        MouseArea {
            anchors.fill: parent
            enabled: screen.controller.overlayState === HomeScreen.Open
            onClicked: screen.controller.closeOverlay()
        }
    }
    CellEditorOverlay {
        id: overlay
        objectName: "cellEditor"
        width: parent.width
        controller: screen.controller
        flipAngle: screen.overlayAngle
        visible: screen.controller.overlayState !== HomeScreen.Closed && screen.cellAngle >= 89
        enabled: screen.controller.overlayState === HomeScreen.Open
    }

    SequentialAnimation {
        id: openFlip
        NumberAnimation { target: screen; property: "cellAngle"; from: 0; to: 90; duration: screen.controller.flipMs; easing.type: Easing.InQuad }
        ParallelAnimation {
            NumberAnimation { target: screen; property: "maskOpacity"; to: 1; duration: screen.controller.flipMs }
            // Turns in and settles with a small swing: -90, 20, -10, 5, 0.
            SequentialAnimation {
                NumberAnimation { target: screen; property: "overlayAngle"; from: -90; to: 20; duration: screen.controller.flipMs * 0.55; easing.type: Easing.OutQuad }
                NumberAnimation { target: screen; property: "overlayAngle"; to: -10; duration: screen.controller.flipMs * 0.2 }
                NumberAnimation { target: screen; property: "overlayAngle"; to: 5; duration: screen.controller.flipMs * 0.15 }
                NumberAnimation { target: screen; property: "overlayAngle"; to: 0; duration: screen.controller.flipMs * 0.1 }
            }
        }
        ScriptAction { script: screen.controller.overlayDidOpen() }
    }
    SequentialAnimation {
        id: closeFlip
        NumberAnimation { target: screen; property: "overlayAngle"; to: -90; duration: screen.controller.flipMs; easing.type: Easing.InQuad }
        ParallelAnimation {
            NumberAnimation { target: screen; property: "maskOpacity"; to: 0; duration: screen.controller.flipMs }
            // The row turns back and settles: 90, -20, 10, -5, 0.
            SequentialAnimation {
                NumberAnimation { target: screen; property: "cellAngle"; to: -20; duration: screen.controller.flipMs * 0.55; easing.type: Easing.OutQuad }
                NumberAnimation { target: screen; property: "cellAngle"; to: 10; duration: screen.controller.flipMs * 0.2 }
                NumberAnimation { target: screen; property: "cellAngle"; to: -5; duration: screen.controller.flipMs * 0.15 }
                NumberAnimation { target: screen; property: "cellAngle"; to: 0; duration: screen.controller.flipMs * 0.1 }
            }
        }
        ScriptAction { script: screen.controller.overlayDidClose() }
    }
    Connections {
        target: screen.controller
        function onOverlayChanged() { screen.followOverlay() }
    }
    Component.onCompleted: followOverlay()
}
