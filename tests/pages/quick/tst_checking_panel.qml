import QtQuick 2.5
import QtTest 1.1
import "qrc:/"

Item {
    width: 600
    height: 740

    Component {
        id: panelComponent
        CheckingPanel {
            width: 598
            height: 738
        }
    }

    TestCase {
        name: "CheckingPanel"

        function test_pad_data() {
            return [
                { tag: "padded", num: 7, size: 5, text: "00007" },
                { tag: "longer than the size", num: 123456, size: 5, text: "123456" },
                { tag: "exactly the size", num: 12345, size: 5, text: "12345" },
                { tag: "zero", num: 0, size: 5, text: "00000" },
                { tag: "last frame", num: 58, size: 5, text: "00058" },
                { tag: "size zero", num: 3, size: 0, text: "3" }
            ];
        }

        function test_pad(data) {
            var panel = createTemporaryObject(panelComponent, null);
            compare(panel.pad(data.num, data.size), data.text);
        }

        function test_startsAtFrameZeroStopped() {
            var panel = createTemporaryObject(panelComponent, null);
            compare(panel.imageIndex, 0);
            compare(panel.imageNameBase,
                    "image://art/Compatibility_checking_sequence/Compatibility_checking_%1.png");
            compare(panel.imageName,
                    "image://art/Compatibility_checking_sequence/Compatibility_checking_00000.png");
            compare(panel.animTimer.running, false);
            compare(panel.animTimer.interval, 30);
            compare(panel.animTimer.repeat, true);
        }

        function test_framesRunAndWrap() {
            var panel = createTemporaryObject(panelComponent, null);
            var seen = [panel.imageIndex];
            for (var i = 0; i < 59; ++i) {
                panel.animTimer.triggered();
                seen.push(panel.imageIndex);
            }
            // 0, 1, ..., 58 and back to 0.
            for (var n = 0; n < 59; ++n)
                compare(seen[n], n);
            compare(seen[59], 0);

            panel.imageIndex = 57;
            panel.animTimer.triggered();
            compare(panel.imageName,
                    "image://art/Compatibility_checking_sequence/Compatibility_checking_00058.png");
            panel.animTimer.triggered();
            compare(panel.imageIndex, 0);
            compare(panel.imageName,
                    "image://art/Compatibility_checking_sequence/Compatibility_checking_00000.png");
        }

        function test_timerAdvancesFramesEvery30ms() {
            var panel = createTemporaryObject(panelComponent, null);
            panel.animTimer.start();
            tryVerify(function() { return panel.imageIndex >= 10; }, 5000);
            panel.animTimer.stop();
            var stopped = panel.imageIndex;
            wait(100);
            compare(panel.imageIndex, stopped);
        }
    }
}
