import QtQuick 2.5

// Header of the window: close button, logo and title. It has no height of
// its own; its parts sit at fixed offsets from the window's top.
Item {
    id: header

    signal closeButtonClicked()

    Image {
        id: closeButton
        objectName: "closeButton"
        x: header.width - mainWindow.sc(14) - mainWindow.sc(15)
        y: mainWindow.sc(15)
        width: mainWindow.sc(14)
        height: mainWindow.sc(14)
        smooth: true
        source: "image://art/button_close.png"
        enabled: !mainWindow.isCheckingShown

        function activate() {
            if (!closeButton.enabled || !closeButton.visible)
                return;
            // Hidden, not closed: closing would end the event loop before
            // the analytics step.
            mainWindow.visible = false;
            console.log("Close button clicked");
            header.closeButtonClicked();
        }

        // Reachable with Tab and pressed with Space or Enter like the
        // other buttons.
        activeFocusOnTab: true
        Keys.onPressed: {
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return
                    || event.key === Qt.Key_Enter) {
                event.accepted = true;
                if (!event.isAutoRepeat)
                    closeButton.activate();
            }
        }
        Accessible.role: Accessible.Button
        //: The window's close button, as a screen reader names it.
        Accessible.name: qsTr("Close")
        Accessible.focusable: true
        Accessible.onPressAction: closeButton.activate()

        FocusMark {
            visible: closeButton.activeFocus
        }

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onEntered: closeButton.source = "image://art/button_close_hover.png"
            onExited: closeButton.source = "image://art/button_close.png"
            onClicked: closeButton.activate()
        }
    }

    Image {
        id: logo
        objectName: "logo"
        x: mainWindow.sc(222)
        y: mainWindow.sc(52)
        // Scaled with everything else, so it stays centred on every screen.
        width: mainWindow.sc(156)
        height: mainWindow.sc(38)
        source: "image://art/logo_orvo.png"
    }

    StyledText {
        id: title
        objectName: "title"
        anchors.horizontalCenter: parent.horizontalCenter
        y: mainWindow.sc(130)
        fontSize: 18
        fontColor: "#000000"
        fontType: "Medium"
        textFormat: Text.PlainText
        //: The window's title under the logo.
        text: qsTr("Quick Compatibility Check")
    }
}
