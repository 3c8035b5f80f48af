import QtQuick 2.5
import "webaddresses.js" as WebAddresses

// Welcome page: what the tool does, the recommended requirements, the
// consent box and the Start button. While a check runs, the checking overlay
// covers the whole page and nothing under it reacts.
Item {
    id: pageWelcome
    objectName: "pageWelcome"

    readonly property bool checking: checkingPanel.visible

    function showCheckingPanel() {
        checkingPanel.visible = true;
        checkingPanel.animTimer.start();
        // Keys go to the overlay from now on, so a focused control under it
        // cannot be pressed from the keyboard either.
        checkingPanel.forceActiveFocus();
    }

    StyledText {
        id: description
        objectName: "description"
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
        textFormat: Text.PlainText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        text: qsTr("This tool will scan your system to determine whether it meets the minimum recommended requirements to run Orvo. It takes less than a minute.")
    }

    RecommendBoard {
        id: recommendBoard
        objectName: "recommendBoard"
        anchors.horizontalCenter: parent.horizontalCenter
        y: mainWindow.sc(232)
        width: mainWindow.sc(480)
        height: mainWindow.sc(356)
    }

    Image {
        id: consentBox
        objectName: "consentBox"
        x: mainWindow.sc(60)
        y: mainWindow.sc(609)
        width: mainWindow.sc(16)
        height: mainWindow.sc(16)
        sourceSize.width: width
        sourceSize.height: height
        source: mainWindow.isChecked ? "image://art/checkbox_checked.svg" : "image://art/Checkbox.png"
        enabled: !pageWelcome.checking

        function toggle() {
            if (!consentBox.enabled)
                return;
            mainWindow.isChecked = !mainWindow.isChecked;
        }

        activeFocusOnTab: true
        Keys.onPressed: {
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return
                    || event.key === Qt.Key_Enter) {
                event.accepted = true;
                if (!event.isAutoRepeat)
                    toggle();
            }
        }

        Accessible.role: Accessible.CheckBox
        Accessible.name: consentText.plainText
        Accessible.checkable: true
        Accessible.checked: mainWindow.isChecked
        Accessible.focusable: true
        Accessible.onPressAction: toggle()
        Accessible.onToggleAction: toggle()

        MouseArea {
            anchors.fill: parent
            onClicked: consentBox.toggle()
        }

        FocusMark {
            visible: consentBox.activeFocus
        }
    }

    StyledText {
        id: consentText
        objectName: "consentText"

        //: Beside the consent box. %1 is the link "Daxo Privacy Policy".
        readonly property string sentence: qsTr("Send system information (OS, RAM, CPU, and GPU) to Daxo to help improve Orvo Software. Review %1.")
        //: Link words inside the consent sentence.
        readonly property string linkWords: qsTr("Daxo Privacy Policy")
        readonly property string plainText: sentence.arg(linkWords)

        x: mainWindow.sc(86)
        y: mainWindow.sc(608)
        width: mainWindow.sc(453)
        // Two of its lines: sc(32) rounds to a pixel less than two sc(16) at
        // some scales (27 against 28 on a 768-pixel-high screen).
        height: 2 * lineHeight
        fontSize: 12
        fontColor: "#4a4a4a"
        fontType: "Blond"
        lineHeightMode: Text.FixedHeight
        lineHeight: mainWindow.sc(16)
        verticalAlignment: Text.AlignTop
        wrapMode: Text.WordWrap
        enabled: !pageWelcome.checking
        text: sentence.arg("<a href=\"" + WebAddresses.privacyPolicy + "\" style=\"color:#00b5e2\">"
                           + linkWords + "</a>")
        onLinkActivated: Qt.openUrlExternally(link)
        Accessible.role: Accessible.StaticText
        Accessible.name: plainText

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: consentText.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
        }

        // The link inside the text, for the keyboard and screen readers.
        Item {
            id: privacyLink
            objectName: "privacyLink"
            anchors.fill: parent
            activeFocusOnTab: true
            Keys.onPressed: {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return
                        || event.key === Qt.Key_Enter) {
                    event.accepted = true;
                    if (!event.isAutoRepeat)
                        Qt.openUrlExternally(WebAddresses.privacyPolicy);
                }
            }
            Accessible.role: Accessible.Link
            Accessible.name: consentText.linkWords
            Accessible.focusable: true
            Accessible.onPressAction: {
                if (privacyLink.enabled)
                    Qt.openUrlExternally(WebAddresses.privacyPolicy);
            }

            FocusMark {
                visible: privacyLink.activeFocus
            }
        }
    }

    StyledButton {
        id: startButton
        objectName: "startButton"
        width: mainWindow.sc(240)
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: mainWindow.sc(30)
        visible: true
        enabled: !pageWelcome.checking
        //: Starts the check.
        text: qsTr("Start")
        onButtonClicked: {
            // One run starts at most one check.
            if (pageWelcome.checking)
                return;
            console.log("Start button clicked");
            mainWindow.startChecking();
        }
    }

    CheckingPanel {
        id: checkingPanel
        objectName: "checkingOverlay"
        x: 1
        y: 1
        width: parent.width - 2
        height: parent.height - 2
        visible: false
    }
}
