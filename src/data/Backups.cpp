#include "Backups.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const StampFormat = "yyyy-MM-ddTHH-mm-ss";
const char* const CopySuffix = ".vellumark-copy";

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

struct Version
{
    QString name;
    QString stamp;
    int number; // 1 for the first of its second, then 2, 3, …

    bool operator<(const Version& other) const
    {
        return stamp != other.stamp ? stamp < other.stamp : number < other.number;
    }
};

QVector<Version> versionsIn(const QString& folder, const QString& fileName)
{
    const QRegularExpression pattern(
        QStringLiteral("^%1\\.(\\d{4}-\\d\\d-\\d\\dT\\d\\d-\\d\\d-\\d\\d)(?:-(\\d{1,9}))?$")
            .arg(QRegularExpression::escape(fileName)));
    QVector<Version> versions;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch()) {
            const QString number = match.captured(2);
            versions.append({name, match.captured(1), number.isEmpty() ? 1 : number.toInt()});
        }
    }
    std::sort(versions.begin(), versions.end());
    return versions;
}

} // namespace

Backups::Backups(const QString& folder)
    : m_folder(folder)
{
}

bool Backups::keep(const QString& filePath, const QString& fileName, QString* error) const
{
    if (!makeFolder(error)) {
        return false;
    }
    if (!linkAsNewest(filePath, fileName, error) && !copyAsNewest(filePath, fileName, error)) {
        return false;
    }
    removeOldest(fileName);
    return true;
}

QStringList Backups::versions(const QString& fileName) const
{
    QStringList names;
    for (const Version& version : versionsIn(m_folder, fileName)) {
        names.append(version.name);
    }
    return names;
}

bool Backups::makeFolder(QString* error) const
{
    const QFileInfo folder(m_folder);
    if (folder.isDir()) {
        return true;
    }
    if (folder.exists() || folder.isSymLink()) {
        *error = QStringLiteral("%1 is not a folder.").arg(m_folder);
        return false;
    }
    if (::mkdir(QFile::encodeName(m_folder).constData(), 0777) != 0) {
        *error =
            QStringLiteral("The folder %1 could not be made: %2.").arg(m_folder, systemError());
        return false;
    }
    return true;
}

// A link is made under a free name or not at all, so no version is ever overwritten.
bool Backups::linkAsNewest(const QString& source, const QString& fileName, QString* error) const
{
    const QString stamp = QDateTime::currentDateTime().toString(QLatin1String(StampFormat));
    int number = 1;
    for (const Version& version : versionsIn(m_folder, fileName)) {
        if (version.stamp == stamp) {
            number = std::max(number, version.number + 1);
        }
    }
    const QByteArray from = QFile::encodeName(source);
    for (;; ++number) {
        const QString name = QStringLiteral("%1.%2").arg(fileName, stamp) +
                             (number == 1 ? QString() : QStringLiteral("-%1").arg(number));
        if (::link(from.constData(), QFile::encodeName(QDir(m_folder).filePath(name))) == 0) {
            return true;
        }
        if (errno != EEXIST) {
            *error = QStringLiteral("%1 could not be kept in %2: %3.")
                         .arg(source, m_folder, systemError());
            return false;
        }
    }
}

bool Backups::copyAsNewest(const QString& source, const QString& fileName, QString* error) const
{
    QFile from(source);
    QFile copy(QDir(m_folder).filePath(fileName + QLatin1String(CopySuffix)));
    if (!from.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 could not be read: %2.").arg(source, from.errorString());
        return false;
    }
    bool written = copy.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    while (written && !from.atEnd()) {
        const QByteArray part = from.read(1 << 20);
        written = from.error() == QFileDevice::NoError && copy.write(part) == part.size();
    }
    written = written && ::fsync(copy.handle()) == 0;
    if (!written) {
        *error = QStringLiteral("A copy of %1 could not be written in %2: %3.")
                     .arg(source, m_folder,
                          copy.error() != QFileDevice::NoError   ? copy.errorString()
                          : from.error() != QFileDevice::NoError ? from.errorString()
                                                                 : systemError());
    }
    copy.close();
    const bool kept = written && linkAsNewest(copy.fileName(), fileName, error);
    copy.remove();
    return kept;
}

void Backups::removeOldest(const QString& fileName) const
{
    const QVector<Version> versions = versionsIn(m_folder, fileName);
    for (qsizetype i = 0; i < versions.size() - VersionsKept; ++i) {
        QFile::remove(QDir(m_folder).filePath(versions[i].name));
    }
}
