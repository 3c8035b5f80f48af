import QtQuick 2.5

// One component row of the result page: label, rank icon, the component's
// value in its rank colour, under it the figure beside what Orvo needs and,
// for a doubtful component, a line saying why and what would fix it.
Rectangle {
    id: specRow

    property string title: ""
    property string value: ""
    property string detail: ""
    property string rank: "RANK_UNCHECKED"
    property string reason: ""  // lines separated by line feeds
    property string advice: ""

    readonly property bool showDetail: (rank === "RANK_BAD" || rank === "RANK_UNKNOWN") && detail !== ""
    readonly property string rankColour: rank === "RANK_GOOD" ? "#00b5e2"
                                       : rank === "RANK_BAD" ? "#dc4949"
                                       : rank === "RANK_UNKNOWN" ? "#f59225" : "#000000"
    readonly property string rankIcon: rank === "RANK_GOOD" ? "image://art/icon_done.png"
                                     : rank === "RANK_BAD" ? "image://art/icon_failed.png"
                                     : rank === "RANK_UNKNOWN" ? "image://art/icon_error.png" : ""

    width: mainWindow.sc(480)
    readonly property bool showReason: reason !== ""
    // Empty for a good row; an adapter that was not found has advice too.
    readonly property bool showAdvice: advice !== ""

    height: mainWindow.sc(38) + valueText.height
            + (showReason ? mainWindow.sc(4) + reasonText.height : 0)
            + (showDetail ? mainWindow.sc(12) + detailText.height : 0)
            + (showAdvice ? (showDetail ? mainWindow.sc(4) : mainWindow.sc(12)) + adviceText.height
                          : 0)

    Accessible.role: Accessible.Row
    Accessible.name: title + ": " + value + (showReason ? ". " + reason : "")
                     + (showDetail ? ". " + detail : "") + (showAdvice ? " " + advice : "")

    StyledText {
        id: titleText
        objectName: "title"
        x: mainWindow.sc(30)
        y: mainWindow.sc(19)
        width: mainWindow.sc(110)
        // A long word in another language shrinks to fit its column.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: mainWindow.sc(11)
        fontSize: 16
        fontColor: "#4a4a4a"
        fontType: "Medium"
        textFormat: Text.PlainText
        Accessible.ignored: true
        text: specRow.title
    }

    Rectangle {
        id: iconBox
        objectName: "iconBox"
        x: titleText.x + titleText.width + mainWindow.sc(10)
        y: titleText.y + (titleText.height - height) / 2
        width: mainWindow.sc(24)
        height: mainWindow.sc(24)
        color: "#ffffff"

        Image {
            objectName: "icon"
            anchors.centerIn: parent
            width: mainWindow.sc(17)
            height: mainWindow.sc(17)
            smooth: true
            mipmap: true
            source: specRow.rankIcon
        }
    }

    // Values come from the probes, so they are shown as plain text, and a
    // long name without spaces still wraps inside the row.
    StyledText {
        id: valueText
        objectName: "value"
        x: iconBox.x + iconBox.width + mainWindow.sc(6)
        y: mainWindow.sc(19)
        width: mainWindow.sc(280)
        fontSize: 16
        fontColor: specRow.rankColour
        fontType: "Medium"
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        Accessible.ignored: true
        text: specRow.value
    }

    StyledText {
        id: reasonText
        objectName: "reason"
        x: valueText.x
        y: valueText.y + valueText.height + mainWindow.sc(4)
        width: mainWindow.sc(280)
        fontSize: 13
        fontColor: "#4a4a4a"
        fontType: "Light"
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        visible: specRow.showReason
        Accessible.ignored: true
        text: specRow.reason
    }

    StyledText {
        id: detailText
        objectName: "detail"
        x: valueText.x
        y: (specRow.showReason ? reasonText.y + reasonText.height : valueText.y + valueText.height)
           + mainWindow.sc(12)
        width: mainWindow.sc(280)
        fontSize: 14
        fontColor: "#4a4a4a"
        fontType: "Light"
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        visible: specRow.showDetail
        Accessible.ignored: true
        text: specRow.detail
    }

    StyledText {
        id: adviceText
        objectName: "advice"
        x: valueText.x
        y: specRow.showDetail ? detailText.y + detailText.height + mainWindow.sc(4) : detailText.y
        width: mainWindow.sc(280)
        fontSize: 14
        fontColor: "#4a4a4a"
        fontType: "Light"
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        visible: specRow.showAdvice
        Accessible.ignored: true
        text: specRow.advice
    }
}
