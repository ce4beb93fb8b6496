import QtQuick
import Tolvek

// A navigation stack: the top screen under a translucent navigation bar.
Item {
    id: navigation
    required property NavigationStack controller

    ScreenView {
        anchors.fill: parent
        controller: navigation.controller.topScreen
    }
    NavigationBar {
        width: parent.width
        visible: !navigation.controller.navigationBarHidden
        navigation: navigation.controller
        screen: navigation.controller.topScreen
    }
}
