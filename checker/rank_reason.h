#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "chassis.h"
#include "rank.h"

// What decided a row's rank, kept beside the rank so that the window and the
// report can say why. Plain data: the engine fills it, presentation reads it.

enum class DecidedBy {
    GoodList,
    BadList,
    GoodRevisions,
    BadRevisions,
    Minimum,       // the memory minimum, or the OS's 64-bit and service-pack floor
    NotListed,     // found, but on no list
    NothingFound,  // the probe found nothing to rank
    NotCompared,   // no comparison file could be read
};

// "good list", "bad list", ..., as the report's JSON writes them.
QString decidedByText(DecidedBy decidedBy);

// One figure beside the bar it is held against.
struct RankFigure {
    QString measure;    // "single-thread", "multi-thread", "g3d" or "memory-gb"
    QString benchmark;  // the benchmark's name as the comparison file gives it; empty for memory
    double value = 0.0;
    double required = 0.0;
    QString reference;  // the product the bar comes from ("Intel Core i5-4590", "4 GB")
    // The product the value comes from. In RankReason::figures always this
    // computer's own product; in RankReason::witness the family's witness.
    QString product;

    bool meets() const { return value >= required; }
};

struct RankReason {
    DecidedBy decidedBy = DecidedBy::NotCompared;
    // Figures of this computer's own product only, never another's: for a
    // processor two per reference, reference after reference; for a graphics
    // adapter one per product its ID can be (several only while the product
    // stays ambiguous). Empty when no figure of the product is known.
    QList<RankFigure> figures;
    // The family rule that ranked the entry (chip and product names, shown
    // as they are), else empty.
    QString family;
    // The product that bounds that family, with its figures in the same
    // order as figures; kept apart so that nobody reads it as the user's.
    QList<RankFigure> witness;
    QString figuresDate;  // date of the benchmark figures, else empty
    // An operating system on no list: the releases of the same system that
    // the good list holds ("Ubuntu 22.04", "Debian 12"), for the advice.
    QStringList listedReleases;
};

// What would change a doubtful row, as a short code: "none", "replace-gpu",
// "laptop-gpu-fixed", "replace-cpu", "laptop-cpu-fixed", "add-memory",
// "update-os", "use-listed-os" (a system other than Windows on no list: one
// of its listedReleases), "run-performance-test", "check-gpu-driver",
// "retry-comparison". A chassis without room for a graphics card gets the
// laptop's codes.
// row is "cpu", "gpu", "memory" or "os".
QString adviceFor(const QString& row, Rank rank, const RankReason& reason, ChassisKind chassis);
