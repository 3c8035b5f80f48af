import QtQuick 2.5

// Finds items of the real window by object name.
QtObject {
    function find(root, name) {
        if (!root)
            return null;
        var kids = root.children || [];
        for (var i = 0; i < kids.length; ++i) {
            if (kids[i].objectName === name)
                return kids[i];
            var found = find(kids[i], name);
            if (found)
                return found;
        }
        return null;
    }

    function loader() {
        return find(mainWindow.contentItem, "pageLoader");
    }

    function page() {
        return loader().item;
    }

    function item(name) {
        return find(page(), name);
    }

    // Loads a fresh copy of a page, as the window's page timer would.
    function load(document) {
        loader().source = "";
        loader().source = "qrc:/" + document;
        return page();
    }
}
