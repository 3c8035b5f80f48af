pragma Singleton
import QtQuick 2.5

// The three weights of the program's typeface, loaded once for every
// StyledText rather than once per text.
QtObject {
    readonly property string medium: fontMedium.name
    readonly property string blond: fontBlond.name
    readonly property string light: fontLight.name

    property FontLoader fontMedium: FontLoader { source: "fonts/Fakt/Fakt-Medium.otf" }
    property FontLoader fontBlond: FontLoader { source: "fonts/Fakt/Fakt-Blond.otf" }
    property FontLoader fontLight: FontLoader { source: "fonts/Fakt/Fakt-Light.otf" }
}
