#include "DataFolder.h"

#include "InstallLayout.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool canWriteIn(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vellumark-write-test-XXXXXX")));
    return probe.open() && probe.write("x", 1) == 1 && probe.flush();
}

} // namespace

namespace DataFolder {

QString choose(const QString& programFolder)
{
    if (!InstallLayout::isInstalled(programFolder) && canWriteIn(programFolder)) {
        return programFolder;
    }
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(appData);
    return appData;
}

} // namespace DataFolder
