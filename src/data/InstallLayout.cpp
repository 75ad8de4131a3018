#include "InstallLayout.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The build passes the installed place relative to the program folder, as "../share/vellumark".
QString sharedFilesFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(VELLUMARK_SHARED_FILES)));
}

} // namespace

namespace InstallLayout {

bool isInstalled(const QString& programFolder)
{
    return QFileInfo(sharedFilesFolder(programFolder)).isDir();
}

QString helpPage(const QString& programFolder)
{
    const QString folder =
        isInstalled(programFolder) ? sharedFilesFolder(programFolder) : programFolder;
    return QDir(folder).filePath(QStringLiteral("help.htm"));
}

} // namespace InstallLayout
