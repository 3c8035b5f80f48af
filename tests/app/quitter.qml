import QtQuick 2.5
import QtQuick.Window 2.2

// A window that offers what start-up connects to and quits on its own.
Window {
    signal doChecking()
    signal doBI()
    width: 100
    height: 100
    visible: true
    Timer {
        interval: 100
        running: true
        onTriggered: {
            console.log("quitting");
            Qt.quit();
        }
    }
}
