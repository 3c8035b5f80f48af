import QtQuick 2.5
import "webaddresses.js" as WebAddresses

// Result page: the verdict for the whole machine, one row per component and
// the follow-up buttons. It has no background, so the header stays visible.
Item {
    id: pageResult
    objectName: "pageResult"

    readonly property bool isBad: mainWindow.overallRank === "RANK_BAD"
    readonly property string readyLinkWords: "Orvo Ready"
    readonly property string verdictPlainText: verdictMessage(mainWindow.overallRank, false)

    // The message for an overall rank; as rich text, the bad verdict's
    // "Orvo Ready" words become a link to the ready-PC page.
    function verdictMessage(rank, rich) {
        if (rank === "RANK_GOOD")
            return qsTranslate("ResultText", "Your system meets the minimum recommended requirements and should be able to run Orvo. For a more in-depth scan of your computer's readiness for VR, run the SteamVR Performance Test.");
        if (rank === "RANK_BAD") {
            var words = rich ? "<a href=\"" + WebAddresses.orvoReady + "\" style=\"color:#00b5e2\">"
                               + "<font color=\"#00b5e2\" face=\"Fakt Med\"><b>" + readyLinkWords
                               + "</b></font></a>"
                             : readyLinkWords;
            //: %1 is the link "Orvo Ready", the name of the ready-PC website; it stays as it is.
            return qsTranslate("ResultText", "This computer doesn't meet Orvo's recommended minimum specifications. To upgrade to a fully-compatible computer system, browse the %1 website.").arg(words);
        }
        if (rank === "RANK_UNKNOWN")
            return qsTranslate("ResultText", "Some of this computer's components may not work well with Orvo. For more detailed information about your computer's readiness for Orvo, run the SteamVR Performance Test.");
        //: Shown instead of a verdict when no comparison file could be read.
        return qsTr("Compare error!");
    }

    // Keyboard users start on the page's first control at once; otherwise the
    // focus would stay on the page loader, where it shows no mark and no key
    // does anything.
    Component.onCompleted: (isBad ? readyLink : btnOrderOrvo).forceActiveFocus(Qt.TabFocusReason)

    // Why a row has its rank ("lines") or what would fix it ("advice").
    function reasonOf(key, part) {
        var reason = mainWindow.rowReasons[key];
        return reason ? reason[part] : "";
    }

    function verdictIcon(rank) {
        if (rank === "RANK_GOOD")
            return "image://art/icon_done.png";
        if (rank === "RANK_BAD")
            return "image://art/icon_failed.png";
        if (rank === "RANK_UNKNOWN")
            return "image://art/icon_error.png";
        return "";
    }

    // Opens the page first, then counts the click; a page that fails to
    // open still counts.
    function openAndCount(url, counter) {
        Qt.openUrlExternally(url);
        mainWindow[counter] += 1;
    }

    Item {
        id: verdictIconBox
        objectName: "verdictIconBox"
        x: mainWindow.sc(60)
        y: mainWindow.sc(158)
        width: mainWindow.sc(40)
        height: mainWindow.sc(40)

        Image {
            objectName: "verdictIcon"
            anchors.centerIn: parent
            width: mainWindow.sc(28)
            height: mainWindow.sc(28)
            source: pageResult.verdictIcon(mainWindow.overallRank)
            Accessible.ignored: true
        }
    }

    StyledText {
        id: verdictText
        objectName: "verdictText"
        x: verdictIconBox.x + verdictIconBox.width + mainWindow.sc(10)
        y: verdictIconBox.y
        width: mainWindow.sc(430)
        fontSize: 14
        fontColor: "#4A4A4A"
        fontType: "Blond"
        lineHeightMode: Text.FixedHeight
        lineHeight: mainWindow.sc(20)
        wrapMode: Text.WordWrap
        text: pageResult.verdictMessage(mainWindow.overallRank, true)
        onLinkActivated: Qt.openUrlExternally(link)
        Accessible.role: Accessible.StaticText
        Accessible.name: pageResult.verdictPlainText

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: verdictText.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
        }

        // The link inside the bad verdict, for the keyboard and screen readers.
        Item {
            id: readyLink
            objectName: "readyLink"
            anchors.fill: parent
            visible: pageResult.isBad
            activeFocusOnTab: true
            Keys.onPressed: {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return
                        || event.key === Qt.Key_Enter) {
                    event.accepted = true;
                    if (!event.isAutoRepeat)
                        Qt.openUrlExternally(WebAddresses.orvoReady);
                }
            }
            Accessible.role: Accessible.Link
            Accessible.name: pageResult.readyLinkWords
            Accessible.focusable: true
            Accessible.onPressAction: Qt.openUrlExternally(WebAddresses.orvoReady)

            FocusMark {
                visible: readyLink.activeFocus
            }
        }
    }

    StyledScroll {
        id: specScroll
        objectName: "specScroll"
        x: mainWindow.sc(60)
        y: mainWindow.sc(238)
        width: mainWindow.sc(495)
        height: mainWindow.sc(349)

        contentItem: Column {
            id: specColumn
            objectName: "specColumn"
            spacing: mainWindow.sc(5)
            width: mainWindow.sc(480)
            height: comparisonNote.height + gpuSpec.height + cpuSpec.height + memorySpec.height
                    + osSpec.height + mainWindow.sc(15)
                    + (headsetPart.visible ? headsetPart.height + mainWindow.sc(5) : 0)

            // When no comparison could be made: what the user can do.
            Item {
                id: comparisonNote
                width: mainWindow.sc(480)
                height: visible ? comparisonText.height + mainWindow.sc(5) : 0
                visible: comparisonText.text !== ""

                StyledText {
                    id: comparisonText
                    objectName: "comparisonNote"
                    x: mainWindow.sc(30)
                    width: mainWindow.sc(420)
                    fontSize: 14
                    fontColor: "#4a4a4a"
                    fontType: "Light"
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    text: pageResult.reasonOf("comparison", "lines")
                }
            }

            Spec {
                id: gpuSpec
                objectName: "gpuSpec"
                //: Row label: the graphics card.
                title: qsTranslate("ResultText", "Graphics")
                value: mainWindow.gpuName
                rank: mainWindow.gpuRank
                reason: pageResult.reasonOf("gpu", "lines")
                advice: pageResult.reasonOf("gpu", "advice")
                detail: qsTranslate("ResultText", "This graphics card may not work well with Orvo.")
            }
            Spec {
                id: cpuSpec
                objectName: "cpuSpec"
                title: qsTranslate("ResultText", "Processor")
                value: mainWindow.cpuName
                rank: mainWindow.cpuRank
                reason: pageResult.reasonOf("cpu", "lines")
                advice: pageResult.reasonOf("cpu", "advice")
                detail: qsTranslate("ResultText", "This processor may not be powerful enough to run Orvo.")
            }
            Spec {
                id: memorySpec
                objectName: "memorySpec"
                //: Row label: the memory (RAM).
                title: qsTranslate("ResultText", "Memory")
                value: mainWindow.memorySize
                rank: mainWindow.memoryRank
                reason: pageResult.reasonOf("memory", "lines")
                advice: pageResult.reasonOf("memory", "advice")
                //: %1 is the recommended amount, "4GB or more".
                detail: qsTranslate("ResultText", "%1 memory is recommended.").arg(mainWindow.recommendMemory)
            }
            Spec {
                id: osSpec
                objectName: "osSpec"
                //: Row label: the operating system.
                title: qsTranslate("ResultText", "OS")
                value: mainWindow.osName
                rank: mainWindow.osRank
                reason: pageResult.reasonOf("os", "lines")
                advice: pageResult.reasonOf("os", "advice")
                //: %1 is the required system, "Windows 7 SP1, Windows 8.1 or newer (64-bit)".
                // Windows is required of a Windows row only; another system on no
                // list is told which releases are listed.
                detail: mainWindow.osName === "" || mainWindow.osName.indexOf("Windows") === 0
                        ? qsTranslate("ResultText", "%1 is required.").arg(mainWindow.recommendOS_64) : ""
            }

            // Where the headset plugs in: shown, not part of the verdict.
            Column {
                id: headsetPart
                objectName: "headsetPart"
                width: mainWindow.sc(480)
                visible: mainWindow.headset.videoText !== ""
                height: visible ? implicitHeight : 0

                Item {
                    width: 1
                    height: mainWindow.sc(14)
                }
                StyledText {
                    objectName: "headsetHeading"
                    x: mainWindow.sc(30)
                    width: mainWindow.sc(430)
                    fontSize: 16
                    fontColor: "#4a4a4a"
                    fontType: "Medium"
                    wrapMode: Text.Wrap
                    textFormat: Text.PlainText
                    //: Heading of the part below the four rows: where the headset plugs in.
                    text: qsTr("Headset connection")
                }
                HeadsetLine {
                    objectName: "headsetVideo"
                    //: Title of the line about the video ports.
                    title: qsTr("Video")
                    status: mainWindow.headset.videoStatus
                    sentence: mainWindow.headset.videoText
                }
                HeadsetLine {
                    objectName: "headsetUsb"
                    title: qsTr("USB")
                    status: mainWindow.headset.usbStatus
                    sentence: mainWindow.headset.usbText
                }
                HeadsetLine {
                    objectName: "headsetPower"
                    //: Title of the line about the power supply and the power plan.
                    title: qsTr("Power")
                    status: mainWindow.headset.powerStatus
                    sentence: mainWindow.headset.powerText
                }
            }
        }
    }

    StyledButton {
        id: btnOrderOrvo
        objectName: "btnOrderOrvo"
        x: mainWindow.sc(50)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: mainWindow.sc(47)
        visible: !pageResult.isBad
        text: qsTr("Order Orvo")
        onButtonClicked: pageResult.openAndCount(WebAddresses.product, "btnOrderOrvoCount")
    }

    StyledButton {
        id: btnPerformance
        objectName: "btnPerformance"
        anchors.right: parent.right
        anchors.rightMargin: mainWindow.sc(50)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: mainWindow.sc(47)
        visible: !pageResult.isBad
        //: Opens the store page of the test program of that name.
        text: qsTr("SteamVR Performance Test")
        onButtonClicked: pageResult.openAndCount(WebAddresses.performanceTest,
                                                 "btnPerformanceCount")
    }

    StyledButton {
        id: btnOrvoReadyPC
        objectName: "btnOrvoReadyPC"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: mainWindow.sc(47)
        visible: pageResult.isBad
        //: "Orvo-Ready" PCs: computers sold as ready for Orvo.
        text: qsTr("Browse Orvo-Ready PCs")
        onButtonClicked: pageResult.openAndCount(WebAddresses.readyPCs, "btnOrvoReadyPCCount")
    }
}
