import QtQuick 2.5
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4

// Vertical scroll area with a slim rounded handle. The bar shows only when
// the content is taller than the area; there is never a horizontal bar.
Item {
    id: scroll

    property int scrollWidth: mainWindow.sc(6)
    property alias contentItem: view.contentItem
    readonly property bool scrollBarVisible: view.__verticalScrollBar.visible
    readonly property alias flickableItem: view.flickableItem

    height: mainWindow.sc(349)

    ScrollView {
        id: view
        objectName: "scrollView"
        anchors.fill: parent
        horizontalScrollBarPolicy: Qt.ScrollBarAlwaysOff
        verticalScrollBarPolicy: Qt.ScrollBarAsNeeded

        style: ScrollViewStyle {
            transientScrollBars: false
            // The bar sits flush with the area's edges.
            padding { left: 0; top: 0; right: 0; bottom: 0 }
            minimumHandleLength: mainWindow.sc(100)
            handleOverlap: 0
            incrementControl: Item { implicitWidth: scroll.scrollWidth }
            decrementControl: Item { implicitWidth: scroll.scrollWidth }
            scrollBarBackground: Item { implicitWidth: scroll.scrollWidth }
            handle: Rectangle {
                objectName: "scrollHandle"
                implicitWidth: scroll.scrollWidth
                radius: width / 2
                color: "#e0e0e0"
            }
        }
    }

    // Keyboard scrolling, there only while there is something to scroll:
    // arrows move a line, Page Up and Page Down a page, Home and End to the
    // ends.
    Item {
        id: keyTarget
        objectName: "scrollKeys"
        anchors.fill: parent
        visible: scroll.scrollBarVisible
        activeFocusOnTab: true

        function scrollTo(y) {
            var flickable = view.flickableItem;
            var bottom = Math.max(0, flickable.contentHeight - flickable.height);
            flickable.contentY = Math.max(0, Math.min(bottom, y));
        }

        Keys.onPressed: {
            var flickable = view.flickableItem;
            var line = mainWindow.sc(20);
            var handled = true;
            if (event.key === Qt.Key_Down)
                scrollTo(flickable.contentY + line);
            else if (event.key === Qt.Key_Up)
                scrollTo(flickable.contentY - line);
            else if (event.key === Qt.Key_PageDown)
                scrollTo(flickable.contentY + flickable.height);
            else if (event.key === Qt.Key_PageUp)
                scrollTo(flickable.contentY - flickable.height);
            else if (event.key === Qt.Key_Home)
                scrollTo(0);
            else if (event.key === Qt.Key_End)
                scrollTo(flickable.contentHeight);
            else
                handled = false;
            event.accepted = handled;
        }

        Accessible.role: Accessible.Pane
        Accessible.focusable: true

        FocusMark {
            visible: keyTarget.activeFocus
        }
    }
}
