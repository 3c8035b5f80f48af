import QtQuick 2.5

// The overlay shown while a check runs: a translucent panel with a looping
// animation. It takes every press and every key, so nothing under it reacts
// until the result page replaces the welcome page.
Item {
    id: panel

    property alias animTimer: frameTimer
    property int imageIndex: 0
    property string imageNameBase: "image://art/Compatibility_checking_sequence/Compatibility_checking_%1.png"
    property string imageName: imageNameBase.arg(pad(imageIndex, 5))

    readonly property int frameCount: 59

    function pad(num, size) {
        var text = "" + num;
        while (text.length < size)
            text = "0" + text;
        return text;
    }

    Accessible.role: Accessible.Pane
    Accessible.name: checkingText.text

    Rectangle {
        anchors.fill: parent
        color: "#d9d9d6"
        opacity: 0.9
    }

    StyledText {
        id: checkingText
        objectName: "checkingText"
        anchors.horizontalCenter: parent.horizontalCenter
        y: mainWindow.sc(321)
        fontSize: 18
        fontColor: "#4a4a4a"
        fontType: "Blond"
        textFormat: Text.PlainText
        text: qsTr("Checking your computer...")
    }

    Image {
        id: frame
        objectName: "checkingFrame"
        anchors.horizontalCenter: parent.horizontalCenter
        y: checkingText.y + checkingText.height + mainWindow.sc(20)
        source: panel.imageName
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    Keys.onPressed: event.accepted = true

    Timer {
        id: frameTimer
        interval: 30
        repeat: true
        running: false
        onTriggered: panel.imageIndex = (panel.imageIndex + 1) % panel.frameCount
    }
}
