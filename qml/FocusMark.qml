import QtQuick 2.5

// Outline drawn just outside a control while it has keyboard focus. It lies
// outside the control, so an unfocused control looks exactly as designed.
Rectangle {
    objectName: "focusMark"
    anchors.fill: parent
    anchors.margins: -mainWindow.sc(3)
    color: "transparent"
    border.width: mainWindow.sc(2)
    border.color: "#4a4a4a"
}
