import QtQuick 2.5

// Welcome page: what the tool does, the consent box and the Start button.
// While a check runs, the checking overlay covers the whole page.
Item {
    id: pageWelcome
    objectName: "pageWelcome"

    function showCheckingPanel() {
        checkingOverlay.visible = true;
    }

    StyledText {
        id: description
        anchors.horizontalCenter: parent.horizontalCenter
        y: mainWindow.sc(158)
        width: mainWindow.sc(480)
        fontSize: 14
        fontColor: "#4A4A4A"
        fontType: "Blond"
        lineHeightMode: Text.FixedHeight
        lineHeight: mainWindow.sc(20)
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        text: "This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute."
    }

    Rectangle {
        id: consentBox
        objectName: "consentBox"
        x: mainWindow.sc(60)
        y: mainWindow.sc(609)
        width: mainWindow.sc(16)
        height: mainWindow.sc(16)
        color: mainWindow.isChecked ? "#00b5e2" : "#ffffff"
        border.width: 1
        border.color: mainWindow.isChecked ? "#00b5e2" : "#aaa9aa"

        MouseArea {
            anchors.fill: parent
            onClicked: mainWindow.isChecked = !mainWindow.isChecked
        }
    }

    StyledText {
        id: consentText
        x: mainWindow.sc(86)
        y: mainWindow.sc(608)
        width: mainWindow.sc(453)
        height: mainWindow.sc(32)
        fontSize: 12
        fontColor: "#4a4a4a"
        fontType: "Blond"
        lineHeightMode: Text.FixedHeight
        lineHeight: mainWindow.sc(16)
        verticalAlignment: Text.AlignTop
        wrapMode: Text.WordWrap
        text: "Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software."
    }

    StyledButton {
        id: startButton
        objectName: "startButton"
        width: mainWindow.sc(240)
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: mainWindow.sc(30)
        visible: true
        text: "Start"
        onButtonClicked: {
            console.log("Start button clicked");
            mainWindow.startChecking();
        }
    }

    Rectangle {
        id: checkingOverlay
        objectName: "checkingOverlay"
        x: 1
        y: 1
        width: parent.width - 2
        height: parent.height - 2
        color: "#d9d9d6"
        opacity: 0.9
        visible: false

        StyledText {
            anchors.horizontalCenter: parent.horizontalCenter
            y: mainWindow.sc(321)
            fontSize: 18
            fontColor: "#4a4a4a"
            fontType: "Blond"
            text: "Checking your computer..."
        }

        // Takes every press while a check runs, the header's included.
        MouseArea {
            anchors.fill: parent
        }
    }
}
