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
        text: "Recommended Minimum Specifications"
    }

    Repeater {
        model: [
            { y: 60, label: "Graphics", value: mainWindow.recommendGpu },
            { y: 111, label: "Processor", value: mainWindow.recommendCpu },
            { y: 162, label: "Memory", value: mainWindow.recommendMemory },
            { y: 195, label: "Video Output", value: "HDMI 1.4 or DisplayPort 1.2 or newer" },
            { y: 228, label: "USB", value: "1x USB 2.0 or newer" },
            { y: 261, label: "OS", value: mainWindow.recommendOS }
        ]

        delegate: Item {
            objectName: "boardRow" + index
            x: 0
            y: mainWindow.sc(modelData.y)
            width: board.width
            height: value.height
            Accessible.role: Accessible.Row
            Accessible.name: modelData.label + ": " + modelData.value

            StyledText {
                objectName: "label"
                x: mainWindow.sc(30)
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

    StyledText {
        id: footnote
        objectName: "boardFootnote"
        anchors.horizontalCenter: parent.horizontalCenter
        y: mainWindow.sc(300)
        width: mainWindow.sc(420)
        fontSize: 12
        fontColor: "#4a4a4a"
        fontType: "Blond"
        wrapMode: Text.WordWrap
        textFormat: Text.PlainText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        text: "For ORVO Pro, DisplayPort 1.2 is required, while USB 3.0 and Windows 8.1 (or newer) are recommended for the best experience."
    }
}
