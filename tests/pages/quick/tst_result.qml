import QtQuick 2.5
import QtTest 1.1
import "qrc:/"

Item {
    id: root
    width: 600
    height: 740

    PageFinder { id: pages }

    Component {
        id: specComponent
        Spec {}
    }

    TestCase {
        name: "ResultPage"
        when: windowShown

        function init() {
            mainWindow.btnOrderOrvoCount = 0;
            mainWindow.btnPerformanceCount = 0;
            mainWindow.btnOrvoReadyPCCount = 0;
            openedUrls.clear();
        }

        function test_specHeightRule_data() {
            return [
                { tag: "good", rank: "RANK_GOOD", detail: false },
                { tag: "bad", rank: "RANK_BAD", detail: true },
                { tag: "unknown", rank: "RANK_UNKNOWN", detail: true },
                { tag: "unchecked", rank: "RANK_UNCHECKED", detail: false }
            ];
        }

        function test_specHeightRule(data) {
            var row = createTemporaryObject(specComponent, root, {
                title: "Processor", value: "Intel Pentium G4400", rank: data.rank,
                detail: "This processor may not be powerful enough to run Orvo."
            });
            var value = pages.find(row, "value");
            var detail = pages.find(row, "detail");
            compare(detail.visible, data.detail);
            compare(row.width, mainWindow.sc(480));
            function expected() {
                return mainWindow.sc(38) + (data.detail ? value.height + mainWindow.sc(12) + detail.height
                                                        : value.height);
            }
            verify(value.height > 0);
            compare(row.height, expected());
            if (data.detail)
                compare(detail.y, value.y + value.height + mainWindow.sc(12));

            // A value that wraps makes the row taller, and the rule still holds.
            var oneLine = row.height;
            row.value = "Intel Pentium G4400 with a name long enough to need more than one line of the value column";
            verify(value.lineCount > 1);
            verify(row.height > oneLine);
            compare(row.height, expected());
            // So does a detail that wraps.
            row.detail = "A detail text that is long enough to wrap onto a second line of the row";
            compare(row.height, expected());
        }

        function test_rankColoursAndIcons_data() {
            return [
                { tag: "good", rank: "RANK_GOOD", colour: "#00b5e2", icon: "icon_done.png" },
                { tag: "bad", rank: "RANK_BAD", colour: "#dc4949", icon: "icon_failed.png" },
                { tag: "unknown", rank: "RANK_UNKNOWN", colour: "#f59225", icon: "icon_error.png" },
                { tag: "unchecked", rank: "RANK_UNCHECKED", colour: "#000000", icon: "" }
            ];
        }

        function test_rankColoursAndIcons(data) {
            var row = createTemporaryObject(specComponent, root, { value: "x", rank: data.rank });
            verify(Qt.colorEqual(pages.find(row, "value").color, data.colour));
            var source = String(pages.find(row, "icon").source);
            compare(source.substring(source.lastIndexOf("/") + 1), data.icon);
        }

        function test_buttonVisibilityPerOverallRank_data() {
            return [
                { tag: "good", rank: "RANK_GOOD", order: true, ready: false },
                { tag: "bad", rank: "RANK_BAD", order: false, ready: true },
                { tag: "unknown", rank: "RANK_UNKNOWN", order: true, ready: false },
                { tag: "unchecked", rank: "RANK_UNCHECKED", order: true, ready: false }
            ];
        }

        function test_buttonVisibilityPerOverallRank(data) {
            mainWindow.overallRank = data.rank;
            pages.load("pResult.qml");
            compare(pages.item("btnOrderOrvo").visible, data.order);
            compare(pages.item("btnPerformance").visible, data.order);
            compare(pages.item("btnOrvoReadyPC").visible, data.ready);
            compare(pages.item("btnOrderOrvo").text, "Order Orvo");
            compare(pages.item("btnPerformance").text, "SteamVR Performance Test");
            compare(pages.item("btnOrvoReadyPC").text, "Browse Orvo-Ready PCs");
            // The page follows a later change of the verdict.
            mainWindow.overallRank = data.rank === "RANK_BAD" ? "RANK_GOOD" : "RANK_BAD";
            compare(pages.item("btnOrvoReadyPC").visible, !data.ready);
            compare(pages.item("btnOrderOrvo").visible, !data.order);
        }

        function test_countersCountEveryClick_data() {
            return [
                { tag: "order", rank: "RANK_GOOD", button: "btnOrderOrvo", counter: "btnOrderOrvoCount", url: "product" },
                { tag: "performance", rank: "RANK_UNCHECKED", button: "btnPerformance", counter: "btnPerformanceCount", url: "performance" },
                { tag: "ready PCs", rank: "RANK_BAD", button: "btnOrvoReadyPC", counter: "btnOrvoReadyPCCount", url: "readyPCs" }
            ];
        }

        function test_countersCountEveryClick(data) {
            mainWindow.overallRank = data.rank;
            pages.load("pResult.qml");
            var button = pages.item(data.button);
            for (var i = 1; i <= 5; ++i) {
                mouseClick(button);
                compare(mainWindow[data.counter], i);
                compare(openedUrls.urls.length, i);
                compare(openedUrls.urls[i - 1], expectedUrls[data.url]);
            }
            var others = ["btnOrderOrvoCount", "btnPerformanceCount", "btnOrvoReadyPCCount"];
            for (var k = 0; k < others.length; ++k)
                if (others[k] !== data.counter)
                    compare(mainWindow[others[k]], 0);
            // Counters live on the window: a new result page keeps counting.
            pages.load("pResult.qml");
            mouseClick(pages.item(data.button));
            compare(mainWindow[data.counter], 6);
        }
    }
}
