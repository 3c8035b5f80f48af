#pragma once

#include <QString>
#include <array>

// One entry waiting to become an analytics record: sixteen texts, all empty
// when created. Which of them are used depends on the category.
struct InfoRecord {
    enum Field {
        Category = 0,
        CpuName,
        CpuRank,
        RepGpuName,
        RepGpuRank,
        OsName,
        OsRank,
        MemorySize,
        MemoryRank,
        OverallRank,
        JsonVersion,
        ClickOrderOrvo,
        ClickPerformanceTest,
        ClickReadyPc,
        OtherGpuName,
        OtherGpuRank,
        FieldCount
    };

    std::array<QString, FieldCount> fields;

    QString& operator[](Field f) { return fields[f]; }
    const QString& operator[](Field f) const { return fields[f]; }
};
