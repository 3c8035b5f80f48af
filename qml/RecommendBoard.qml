import QtQuick 2.5

// White panel listing the headset's recommended minimum requirements.
Rectangle {
    id: board

    color: "#ffffff"

    StyledText {
        id: heading
        objectName: "boardHeading"
        anchors.horizontalCenter: parent.horizontalCenter
        y: mainWindow.sc(20)
        width: mainWindow.sc(370)
        height: mainWindow.sc(20)
        fontSize: 16
        fontColor: "#4a4a4a"
        fontType: "Medium"
        lineHeightMode: Text.FixedHeight
        lineHeight: mainWindow.sc(20)
        horizontalAlignment: Text.AlignHCenter
        textFormat: Text.PlainText
        Accessible.role: Accessible.Heading
        text: qsTr("Recommended Minimum Specifications")
    }

    // The rows keep their designed places while their values fit; a value
    // that wraps to more lines (a longer language, or the taller lines the
    // same font has on Windows) pushes the rows below it, and the footnote,
    // down instead of running into them.
    Column {
        id: rows
        objectName: "boardRows"
        y: mainWindow.sc(60)
        width: board.width

        Repeater {
            model: [
                //: Row label: the graphics card.
                { y: 60, next: 111, label: qsTr("Graphics"), value: mainWindow.recommendGpu },
                { y: 111, next: 162, label: qsTr("Processor"), value: mainWindow.recommendCpu },
                //: Row label: the memory (RAM).
                { y: 162, next: 195, label: qsTr("Memory"), value: mainWindow.recommendMemory },
                //: Row label: the connector for the headset's video (HDMI, DisplayPort).
                { y: 195, next: 228, label: qsTr("Video Output"), value: qsTr("HDMI 1.4 or DisplayPort 1.2 or newer") },
                //: Row label: the USB port.
                { y: 228, next: 261, label: qsTr("USB"), value: qsTr("1x USB 2.0 or newer") },
                //: Row label: the operating system.
                { y: 261, next: 300, label: qsTr("OS"), value: mainWindow.recommendOS }
            ]

            delegate: Item {
                objectName: "boardRow" + index
                width: board.width
                // Down to where the next row (the footnote after the last)
                // is designed to start, or further for a taller value.
                height: Math.max(mainWindow.sc(modelData.next) - mainWindow.sc(modelData.y),
                                 value.height + mainWindow.sc(2))
                Accessible.role: Accessible.Row
                Accessible.name: modelData.label + ": " + modelData.value

                StyledText {
                    objectName: "label"
                    x: mainWindow.sc(30)
                    // A long word in another language shrinks to fit its column.
                    width: mainWindow.sc(112)
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: mainWindow.sc(11)
                    fontSize: 16
                    fontColor: "#4a4a4a"
                    fontType: "Blond"
                    textFormat: Text.PlainText
                    Accessible.ignored: true
                    text: modelData.label
                }

                StyledText {
                    id: value
                    objectName: "value"
                    x: mainWindow.sc(150)
                    width: mainWindow.sc(300)
                    fontSize: 16
                    fontColor: "#4a4a4a"
                    fontType: "Blond"
                    wrapMode: Text.WordWrap
                    textFormat: Text.PlainText
                    Accessible.ignored: true
                    text: modelData.value
                }
            }
        }
    }

    StyledText {
        id: footnote
        objectName: "boardFootnote"
        anchors.horizontalCenter: parent.horizontalCenter
        y: Math.max(mainWindow.sc(300), rows.y + rows.height)
        width: mainWindow.sc(420)
        fontSize: 12
        fontColor: "#4a4a4a"
        fontType: "Blond"
        wrapMode: Text.WordWrap
        textFormat: Text.PlainText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        //: ORVO Pro is a model of the headset; its name stays as it is.
        text: qsTr("For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience.")
    }
}
