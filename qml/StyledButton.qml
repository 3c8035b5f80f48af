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

    Rectangle {
        id: background
        objectName: "buttonBackground"
        anchors.fill: parent
        radius: mainWindow.sc(25)
    }

    StyledText {
        id: label
        anchors.centerIn: parent
        text: button.text
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
