import QtQuick 2.5

// Text in the program's typeface, sized in design units.
Text {
    property string fontColor: "#000000"
    property int fontSize: 20
    property string fontType: "Medium"

    FontLoader { id: fontMedium; source: "fonts/Fakt/Fakt-Medium.otf" }
    FontLoader { id: fontBlond; source: "fonts/Fakt/Fakt-Blond.otf" }
    FontLoader { id: fontLight; source: "fonts/Fakt/Fakt-Light.otf" }

    color: fontColor
    font.pixelSize: mainWindow.sc(fontSize)
    font.family: fontType === "Medium" ? fontMedium.name
               : fontType === "Blond" ? fontBlond.name : fontLight.name
    // The three embedded weights share one family name, so the weight picks
    // the face.
    font.weight: fontType === "Medium" ? Font.Medium
               : fontType === "Blond" ? Font.Normal : Font.Light
    verticalAlignment: Text.AlignVCenter
    renderType: Text.QtRendering
    textFormat: Text.RichText
}
