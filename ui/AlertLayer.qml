import QtQuick
import Tolvek

// Shows the front alert of the queue: a box that drops in from the top over a
// dimmed screen and falls out at the bottom when dismissed.
Item {
    id: alertLayer
    readonly property AlertView alert: AlertQueue.current
    // 0: above the screen, 1: centred, 2: fallen out below.
    property real drop: 0

    visible: alert !== null
    onAlertChanged: {
        if (!alert)
            return
        fallOut.stop()
        drop = 0
        dropIn.restart()
    }

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.45)
        MouseArea {
            anchors.fill: parent // the alert is modal
        }
    }
    Rectangle {
        id: box
        objectName: "alertBox"
        width: 280
        readonly property real centreY: (alertLayer.height - height) / 2
        height: content.height + 40
        x: (alertLayer.width - width) / 2
        y: alertLayer.drop <= 1 ? -height + alertLayer.drop * (centreY + height)
                           : centreY + (alertLayer.drop - 1) * (alertLayer.height - centreY)
        radius: alertLayer.alert ? alertLayer.alert.cornerRadius : 0
        color: "white"

        Column {
            id: content
            x: 20
            y: 20
            width: box.width - 40
            spacing: 12
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: alertLayer.alert ? alertLayer.alert.title : ""
                Accessible.role: Accessible.Heading
                Accessible.name: text
                font.pixelSize: 18
                font.bold: true
                color: "#222222"
            }
            Text {
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: alertLayer.alert ? alertLayer.alert.message : ""
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                font.pixelSize: 14
                color: "#444444"
            }
            Grid {
                id: buttons
                width: parent.width
                columns: alertLayer.alert && !alertLayer.alert.verticalLayout ? Math.max(1, repeater.count) : 1
                spacing: 8
                Repeater {
                    id: repeater
                    model: alertLayer.alert ? alertLayer.alert.buttons : []
                    delegate: Rectangle {
                        required property var modelData
                        required property int index
                        objectName: "alertButton" + index
                        Accessible.role: Accessible.Button
                        Accessible.name: modelData.title
                        Accessible.onPressAction: alertLayer.alert.pressButton(index)
                        width: (buttons.width - (buttons.columns - 1) * buttons.spacing) / buttons.columns
                        height: 44
                        radius: 4
                        color: modelData.type === AlertView.ButtonType.Cancel ? "#E6E6E6"
                             : modelData.type === AlertView.ButtonType.Destructive ? "#E0483E" : Kit.brandColor
                        Text {
                            anchors.centerIn: parent
                            text: modelData.title
                            font.pixelSize: 16
                            font.bold: modelData.type === AlertView.ButtonType.Cancel
                            color: modelData.type === AlertView.ButtonType.Cancel ? "#555555" : "white"
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: alertLayer.alert.pressButton(index)
                        }
                    }
                }
            }
        }
    }

    NumberAnimation {
        id: dropIn
        target: alertLayer
        property: "drop"
        to: 1
        duration: 400
        easing.type: Easing.OutBack
    }
    NumberAnimation {
        id: fallOut
        target: alertLayer
        property: "drop"
        to: 2
        duration: 300
        easing.type: Easing.InCubic
        onFinished: if (alertLayer.alert) alertLayer.alert.transitionFinished()
    }
    Connections {
        target: alertLayer.alert
        function onDismissStarted() {
            if (alertLayer.alert.dismissAnimated) {
                dropIn.stop()
                fallOut.restart()
            }
        }
    }
}
