#pragma once

#include <QString>

// Where the program's own files are. A program run from its build tree, or copied into a folder
// of its own, has them beside it. An installed program (`cmake --install`, the Debian package)
// lives in <prefix>/bin and has them in <prefix>/share/vellumark; it counts as installed exactly
// when that folder exists, so a missing help page does not turn it into a portable copy.
namespace InstallLayout {

bool isInstalled(const QString& programFolder);
QString helpPage(const QString& programFolder);

} // namespace InstallLayout
