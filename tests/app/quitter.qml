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
            // The window's Start label in the chosen language, in ASCII
            // whatever the log's encoding.
            console.log("Start button:", encodeURIComponent(qsTranslate("pWelcome", "Start")));
            console.log("quitting");
            Qt.quit();
        }
    }
}
