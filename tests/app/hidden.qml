import QtQuick 2.5
import QtQuick.Window 2.2

// A window that loads but never reaches the screen.
Window {
    signal doChecking()
    signal doBI()
    visible: false
}
