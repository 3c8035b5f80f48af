import QtQuick 2.5

// Outline drawn just outside a control while it has keyboard focus. It lies
// outside the control, so an unfocused control looks exactly as designed.
// The control decides when it has the focus (the mark's own visible); the
// outline shows only while the window is worked with the keyboard, so a
// mouse click never leaves a frame behind.
Item {
    objectName: "focusMark"
    property alias radius: outline.radius

    anchors.fill: parent
    anchors.margins: -mainWindow.sc(3)

    Rectangle {
        id: outline
        anchors.fill: parent
        visible: mainWindow.keyboardInUse
        color: "transparent"
        border.width: mainWindow.sc(2)
        border.color: "#4a4a4a"
    }
}
