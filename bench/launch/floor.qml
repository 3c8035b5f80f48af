import QtQuick 2.5
import QtQuick.Controls 1.4

// The toolkit's floor: an empty Qt Quick Controls 1 window of the program's
// size.
ApplicationWindow {
    width: 600
    height: 740
    color: "#f0f0f0"
    visible: true
}
