import QtQuick 2.5

// One line of the result page's headset connection part: a title in the
// rows' label column, a status icon and the sentence the user can act on.
Item {
    id: headsetLine

    property string title: ""
    property string status: "unknown"  // "ok", "warning" or "unknown"
    property string sentence: ""

    width: mainWindow.sc(480)
    height: Math.max(titleText.height, sentenceText.height) + mainWindow.sc(12)

    Accessible.role: Accessible.Row
    Accessible.name: title + ": " + sentence

    StyledText {
        id: titleText
        objectName: "title"
        x: mainWindow.sc(30)
        y: mainWindow.sc(10)
        width: mainWindow.sc(110)
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: mainWindow.sc(11)
        fontSize: 14
        fontColor: "#4a4a4a"
        fontType: "Medium"
        textFormat: Text.PlainText
        Accessible.ignored: true
        text: headsetLine.title
    }

    Image {
        objectName: "icon"
        x: titleText.x + titleText.width + mainWindow.sc(13)
        y: titleText.y + (titleText.height - height) / 2
        width: mainWindow.sc(17)
        height: mainWindow.sc(17)
        smooth: true
        mipmap: true
        source: headsetLine.status === "ok" ? "image://art/icon_done.png"
              : headsetLine.status === "warning" ? "image://art/icon_error.png"
              : "image://art/icon_unknown.png"
    }

    StyledText {
        id: sentenceText
        objectName: "sentence"
        x: mainWindow.sc(180)
        y: mainWindow.sc(10)
        width: mainWindow.sc(280)
        fontSize: 14
        fontColor: "#4a4a4a"
        fontType: "Light"
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        Accessible.ignored: true
        text: headsetLine.sentence
    }
}
