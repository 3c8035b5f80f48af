import QtQuick 2.5

// One component row of the result page: label, rank icon, the component's
// value in its rank colour and, for a doubtful component, a line saying why.
Rectangle {
    id: specRow

    property string title: ""
    property string value: ""
    property string detail: ""
    property string rank: "RANK_UNCHECKED"

    readonly property bool showDetail: rank === "RANK_BAD" || rank === "RANK_UNKNOWN"
    readonly property string rankColour: rank === "RANK_GOOD" ? "#00b5e2"
                                       : rank === "RANK_BAD" ? "#dc4949"
                                       : rank === "RANK_UNKNOWN" ? "#f59225" : "#000000"
    readonly property string rankIcon: rank === "RANK_GOOD" ? "image://art/icon_done.png"
                                     : rank === "RANK_BAD" ? "image://art/icon_failed.png"
                                     : rank === "RANK_UNKNOWN" ? "image://art/icon_error.png" : ""

    width: mainWindow.sc(480)
    height: mainWindow.sc(38)
            + (showDetail ? valueText.height + mainWindow.sc(12) + detailText.height
                          : valueText.height)

    Accessible.role: Accessible.Row
    Accessible.name: title + ": " + value + (showDetail ? ". " + detail : "")

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
        id: detailText
        objectName: "detail"
        x: valueText.x
        y: valueText.y + valueText.height + mainWindow.sc(12)
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
}
