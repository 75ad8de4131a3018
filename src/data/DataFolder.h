#pragma once

#include <QString>

// Where the data files live: beside the program when the program's folder can be written to,
// otherwise (a system-wide install) in the user's application data folder, created when missing.
namespace DataFolder {

QString choose(const QString& programFolder);

} // namespace DataFolder
