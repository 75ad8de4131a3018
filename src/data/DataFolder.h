#pragma once

#include <QString>

// Where the data files live: beside the program when it is not installed and its folder can be
// written to; otherwise in the user's application data folder, created when missing. An installed
// program (see InstallLayout) never keeps data beside itself, even where root can write to
// /usr/bin, so every user has lists of their own and a package upgrade touches none of them.
namespace DataFolder {

QString choose(const QString& programFolder);

} // namespace DataFolder
