import QtQuick 2.5
import QtQuick.Window 2.2
import QtQuick.Controls 1.4
import OrvoCheck 1.0

ApplicationWindow {
    id: mainWindow
    objectName: "mainWindow"

    property bool isCheckingFinished: false
    property bool isChecked: true

    property string overallRank: "RANK_UNCHECKED"
    property string cpuRank: "RANK_UNCHECKED"
    property string gpuRank: "RANK_UNCHECKED"
    property string memoryRank: "RANK_UNCHECKED"
    property string osRank: "RANK_UNCHECKED"
    property string cpuName: ""
    property string gpuName: ""
    property string memorySize: ""
    property string osName: ""

    //: Recommended graphics card; the product names stay as they are.
    property string recommendGpu: qsTr("NVIDIA GeForce (R) GTX 970 or AMD RadeonTM R9 290 equivalent or faster")
    //: Recommended processor; the product names stay as they are.
    property string recommendCpu: qsTr("Intel i5-4590 or AMD FX 8350 equivalent or faster")
    //: Recommended amount of memory (RAM).
    property string recommendMemory: qsTranslate("ResultText", "4GB or more")
    property string recommendOS: qsTr("Windows 7 SP1, Windows 8.1 or newer")
    property string recommendOS_64: qsTranslate("ResultText", "Windows 7 SP1, Windows 8.1 or newer (64-bit)")

    // True while the checking overlay covers the window. Nothing reacts then,
    // not even to a screen reader's actions, which bypass the overlay: a close
    // in the middle of a check would read the results while they are written.
    readonly property bool isCheckingShown: pageLoader.item !== null
                                            && pageLoader.item.checking === true

    property int btnOrderOrvoCount: 0
    property int btnPerformanceCount: 0
    property int btnOrvoReadyPCCount: 0

    // Every length is designed for a 900-pixel-high screen.
    property int baseHeight: 900
    property int minScaleHeight: 600
    property int scaleHeight: Screen.height < minScaleHeight ? minScaleHeight : Screen.height
    // The window never takes a larger share of the screen's width than of
    // its height at the design size (600 of 740 × 900 pixels): on a portrait
    // screen the height alone would make it wider than the screen, with the
    // close button out of reach.
    readonly property int availableWidth: Math.min(Screen.width, Screen.desktopAvailableWidth)
    property real scale: Math.min(scaleHeight / baseHeight,
                                  availableWidth * 740 / (600 * baseHeight))

    // Focus marks are for keyboard users: shown once a key is pressed in the
    // window, hidden again by a mouse press.
    readonly property bool keyboardInUse: keyboardUse.active

    // A close asked for while the checking overlay is up; it is carried out
    // once the check has finished.
    property bool closeWhenChecked: false

    signal doChecking()
    signal doBI()

    function sc(n) {
        var scaled = Math.round(n * scale);
        return scaled < 1 ? 1 : scaled;
    }

    function setRank(key, value, rank) {
        if (key === "gpu") {
            gpuName = value;
            gpuRank = rank;
        } else if (key === "cpu") {
            cpuName = value;
            cpuRank = rank;
        } else if (key === "memory") {
            memorySize = value;
            memoryRank = rank;
        } else if (key === "os") {
            osName = value;
            osRank = rank;
        } else if (key === "overall") {
            overallRank = rank;
        }
    }

    // Why each row has its rank and what would fix it, by row key ("gpu",
    // "cpu", "memory", "os"; "comparison" for the line shown when no
    // comparison could be made): {lines, advice}.
    property var rowReasons: ({})

    function setReason(key, lines, advice) {
        var reasons = Object.assign({}, rowReasons);
        reasons[key] = { lines: lines, advice: advice };
        rowReasons = reasons;
    }

    // Where the headset plugs in, shown below the rows and never part of the
    // verdict: each line's status ("ok", "warning", "unknown") and sentence.
    property var headset: ({ videoStatus: "", videoText: "", usbStatus: "", usbText: "",
                             powerStatus: "", powerText: "" })

    function setHeadset(videoStatus, videoText, usbStatus, usbText, powerStatus, powerText) {
        headset = { videoStatus: videoStatus, videoText: videoText,
                    usbStatus: usbStatus, usbText: usbText,
                    powerStatus: powerStatus, powerText: powerText };
    }

    function finishedChecking() {
        isCheckingFinished = true;
        if (closeWhenChecked)
            closeWindow();
    }

    // Every way out, the close button, Alt+F4 and any other close the window
    // system sends, ends here: the window disappears at once and, with the
    // consent box ticked, the run's record is sent. In the middle of a check
    // the results are still being written, so the rest waits for its end.
    function closeWindow() {
        visible = false;
        if (isCheckingShown && !isCheckingFinished) {
            closeWhenChecked = true;
            return;
        }
        closeWhenChecked = false;
        checkingTimer.stop();
        if (isChecked) {
            doBI();
        } else {
            Qt.quit();
        }
    }

    function startChecking() {
        pageLoader.item.showCheckingPanel();
        checkingTimer.start();
        doChecking();
    }

    width: sc(600)
    height: sc(740)
    flags: Qt.FramelessWindowHint | Qt.WindowMinMaxButtonsHint | Qt.Window
    color: "#f0f0f0"
    visible: true

    // Not closed by the window system: that would end the event loop before
    // the record is sent.
    onClosing: {
        close.accepted = false;
        if (!visible)
            return;  // already on its way out
        console.log("Window closed by the window system");
        closeWindow();
    }

    KeyboardUse {
        id: keyboardUse
        target: mainWindow
    }

    Rectangle {
        id: border
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: "#aaa9aa"
    }

    Header {
        id: pageHeader
        objectName: "pageHeader"
        width: parent.width
        onCloseButtonClicked: closeWindow()
    }

    MouseArea {
        id: dragArea
        objectName: "dragArea"
        property point clickPos: Qt.point(0, 0)
        x: sc(0)
        y: sc(0)
        width: sc(566)
        height: sc(118)
        onPressed: clickPos = mapToItem(null, mouse.x, mouse.y)
        onPositionChanged: {
            if (!pressed)
                return;
            var pointer = mapToItem(null, mouse.x, mouse.y);
            mainWindow.x += pointer.x - clickPos.x;
            mainWindow.y += pointer.y - clickPos.y;
        }
    }

    Loader {
        id: pageLoader
        objectName: "pageLoader"
        anchors.fill: parent
        source: "pWelcome.qml"
    }

    Timer {
        id: checkingTimer
        objectName: "checkingTimer"
        property int numTriggered: 0
        interval: 1000
        repeat: true
        running: false
        onTriggered: {
            numTriggered += 1;
            console.log("The checking timer is triggered:", numTriggered);
            if (numTriggered < 2)
                return;
            if (isCheckingFinished) {
                console.log("Load result page");
                pageLoader.source = "pResult.qml";
                checkingTimer.stop();
                numTriggered = 0;
            }
        }
    }
}
