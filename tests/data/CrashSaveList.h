#pragma once

#include "platform/ListView.h"

// Two large lists of one shape and different contents. The crash-safety test and the child it
// kills in the middle of saving fill them alike, so the test knows both complete files.
constexpr int CrashSaveRows = 200000;
const QString CrashSaveFile = QStringLiteral("file.dtt");

inline void fillCrashSaveList(ListView& list, int variant)
{
    QVector<QStringList> rows;
    rows.reserve(CrashSaveRows);
    for (int i = 0; i < CrashSaveRows; ++i) {
        rows.append({QStringLiteral("Card %1 of list %2").arg(i).arg(variant),
                     QString(variant + 1, '$') + QString::number(i)});
    }
    list.rows().setRows(rows);
}
