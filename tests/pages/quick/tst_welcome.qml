import QtQuick 2.5
import QtTest 1.1

Item {
    PageFinder { id: pages }

    SignalSpy {
        id: doChecking
        target: mainWindow
        signalName: "doChecking"
    }

    TestCase {
        name: "WelcomePage"
        when: windowShown

        function init() {
            mainWindow.isChecked = true;
            pages.load("pWelcome.qml");
            doChecking.clear();
            openedUrls.clear();
        }

        function test_consentBoxStartsTickedAndTwoClicksKeepIt() {
            var box = pages.item("consentBox");
            verify(box);
            compare(mainWindow.isChecked, true);
            compare(String(box.source), "image://art/checkbox_checked.svg");
            mouseClick(box);
            compare(mainWindow.isChecked, false);
            compare(String(box.source), "image://art/Checkbox.png");
            mouseClick(box);
            compare(mainWindow.isChecked, true);
            compare(String(box.source), "image://art/checkbox_checked.svg");
        }

        function test_consentTextIsNotTheBox() {
            var text = pages.item("consentText");
            // The first words of the first line are plain text.
            mouseClick(text, mainWindow.sc(10), mainWindow.sc(6));
            compare(mainWindow.isChecked, true);
            compare(openedUrls.urls.length, 0);
        }

        function test_startIsInertWhileTheOverlayShows() {
            var start = pages.item("startButton");
            var overlay = pages.item("checkingOverlay");
            compare(overlay.visible, false);
            compare(overlay.animTimer.running, false);
            mouseClick(start);
            compare(doChecking.count, 1);
            compare(overlay.visible, true);
            compare(overlay.animTimer.running, true);

            // The overlay takes the mouse, and the button refuses keys too.
            mouseClick(start);
            mouseClick(start);
            start.buttonClicked();
            compare(doChecking.count, 1);
            mouseClick(pages.item("consentBox"));
            compare(mainWindow.isChecked, true);
        }

        function test_buttonColoursPerState() {
            var start = pages.item("startButton");
            var background = pages.find(start, "buttonBackground");
            verify(background);
            compare(start.oobeButtonState, "rest");
            verify(Qt.colorEqual(background.color, "#00b5e2"));

            mouseMove(start, start.width / 2, start.height / 2);
            tryCompare(start, "oobeButtonState", "over");
            verify(Qt.colorEqual(background.color, "#0a8ecb"));

            mousePress(start, start.width / 2, start.height / 2);
            compare(start.oobeButtonState, "press");
            verify(Qt.colorEqual(background.color, "#0a8ecb"));

            // Released outside: back to rest, and no click.
            mouseMove(start, start.width + 40, start.height / 2);
            mouseRelease(start, start.width + 40, start.height / 2);
            compare(start.oobeButtonState, "rest");
            verify(Qt.colorEqual(background.color, "#00b5e2"));
            compare(doChecking.count, 0);
        }

        function test_startButtonPlacement() {
            var start = pages.item("startButton");
            compare(start.visible, true);
            compare(start.text, "Start");
            compare(start.width, mainWindow.sc(240));
            compare(start.height, mainWindow.sc(40));
            var page = pages.page();
            compare(start.y + start.height, page.height - mainWindow.sc(30));
            compare(start.x + start.width / 2, page.width / 2);
        }
    }
}
