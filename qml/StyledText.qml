import QtQuick 2.5
import "."

// Text in the program's typeface, sized in design units.
Text {
    property string fontColor: "#000000"
    property int fontSize: 20
    property string fontType: "Medium"

    color: fontColor
    font.pixelSize: mainWindow.sc(fontSize)
    font.family: fontType === "Medium" ? StyledFonts.medium
               : fontType === "Blond" ? StyledFonts.blond : StyledFonts.light
    // The three embedded weights share one family name, so the weight picks
    // the face.
    font.weight: fontType === "Medium" ? Font.Medium
               : fontType === "Blond" ? Font.Normal : Font.Light
    verticalAlignment: Text.AlignVCenter
    renderType: Text.QtRendering
    textFormat: Text.RichText
}
