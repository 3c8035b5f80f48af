import QtQuick 2.5

// The program's rounded push button. Hidden until a page shows it.
Item {
    id: button

    property string text: ""
    property string oobeButtonState: "rest"

    signal buttonClicked()

    function stateColour(state) {
        return state === "rest" ? "#00b5e2" : "#0a8ecb";
    }

    height: mainWindow.sc(40)
    width: label.width + mainWindow.sc(52) <= mainWindow.sc(116)
           ? mainWindow.sc(116) : label.width + mainWindow.sc(52)
    visible: false

    onOobeButtonStateChanged: background.color = stateColour(oobeButtonState)
    Component.onCompleted: background.color = stateColour(oobeButtonState)

    // Keyboard users reach the button with Tab and press it with Space or
    // Enter, as they would a native button.
    activeFocusOnTab: true
    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return
                || event.key === Qt.Key_Enter) {
            event.accepted = true;
            // A held key presses once.
            if (!event.isAutoRepeat)
                button.buttonClicked();
        }
    }

    Accessible.role: Accessible.Button
    Accessible.name: button.text
    Accessible.focusable: true
    Accessible.onPressAction: {
        if (button.enabled && button.visible)
            button.buttonClicked();
    }

    Rectangle {
        id: background
        objectName: "buttonBackground"
        anchors.fill: parent
        radius: mainWindow.sc(25)
    }

    // Drawn outside the button and only while it has keyboard focus, so the
    // button itself looks the same either way.
    FocusMark {
        radius: height / 2
        visible: button.activeFocus
    }

    StyledText {
        id: label
        anchors.centerIn: parent
        text: button.text
        textFormat: Text.PlainText
        Accessible.ignored: true
        fontSize: 16
        fontColor: "#ffffff"
        fontType: "Medium"
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onEntered: button.oobeButtonState = "over"
        onExited: button.oobeButtonState = "rest"
        onPressed: button.oobeButtonState = "press"
        onReleased: button.oobeButtonState = containsMouse ? "over" : "rest"
        onClicked: button.buttonClicked()
    }
}
