import QtQuick 2.5

// Result page: the verdict and one row per component, as the coordinator
// pushed them into the window.
Item {
    id: pageResult
    objectName: "pageResult"

    Column {
        x: mainWindow.sc(60)
        y: mainWindow.sc(158)
        spacing: mainWindow.sc(12)

        StyledText {
            objectName: "overallText"
            fontSize: 16
            fontColor: "#4A4A4A"
            text: "Overall: " + mainWindow.overallRank
        }

        Repeater {
            model: [
                { title: "Graphics", value: mainWindow.gpuName, rank: mainWindow.gpuRank },
                { title: "Processor", value: mainWindow.cpuName, rank: mainWindow.cpuRank },
                { title: "Memory", value: mainWindow.memorySize, rank: mainWindow.memoryRank },
                { title: "OS", value: mainWindow.osName, rank: mainWindow.osRank }
            ]
            delegate: StyledText {
                width: mainWindow.sc(480)
                wrapMode: Text.WordWrap
                fontSize: 14
                fontColor: "#4a4a4a"
                fontType: "Blond"
                textFormat: Text.PlainText
                text: modelData.title + ": " + modelData.value + " (" + modelData.rank + ")"
            }
        }
    }
}
