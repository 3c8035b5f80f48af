#pragma once

class QIcon;
class QQmlEngine;

// Serves the window's artwork from the resources as "image://art/<path under
// images/>". Qt Quick's own loader of local images asks the image reader for
// every format it knows before the first image, which loads every installed
// image-format plugin and their libraries; this provider names the format of
// each file, so only the built-in PNG reader (and the SVG plugin for the one
// SVG image) is ever used.
//
// Call once per engine, before the window document is loaded.
void installArtImageProvider(QQmlEngine& engine);

// The program's icon as artgen draws it at each size: the windows' icon (on
// Windows the executable's icon resource holds the same images).
QIcon programWindowIcon();
