#include "DataFiles.h"

#include "DataFormats.h"
#include "TextEncoding.h"
#include "WholeWrite.h"
#include "data/Program.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QLatin1String MessageTitle(Program::WindowTitle);

} // namespace

DataFiles::DataFiles(const QString& folder, MessageBox& messages, QWidget* messageParent)
    : m_folder(folder)
    , m_messages(messages)
    , m_messageParent(messageParent)
    , m_saveFileFactory([](const QString& path) { return std::make_unique<QSaveFile>(path); })
    , m_backups(QDir(folder).filePath(QLatin1String(BackupFolder)))
{
}

DataFiles::~DataFiles() = default;

QString DataFiles::path(const QString& fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

void DataFiles::ReadLineFile(ListView& list, const QString& fileName)
{
    list.rows().setTable(DataFormats::readPlainLines(readBytes(fileName), list.columnCount()));
}

bool DataFiles::WriteLineFile(const ListView& list, const QString& fileName)
{
    return save(fileName, DataFormats::encodePlainLines(list.rows().table()));
}

void DataFiles::ReadQuotedFile(ListBox& list, const QString& fileName)
{
    list.entries().insertSorted(
        DataFormats::parseQuotedLines(TextEncoding::decode(readBytes(fileName))));
}

bool DataFiles::WriteQuotedFile(const ListBox& list, const QString& fileName)
{
    return save(fileName,
                TextEncoding::encode(DataFormats::formatQuotedLines(list.entries().entries())));
}

QByteArray DataFiles::readBytes(const QString& fileName)
{
    removeStagingLeftovers(savedPath(fileName));
    const QString filePath = path(fileName);
    const QFileInfo info(filePath);
    if (!info.exists() && !info.isSymLink()) {
        return {};
    }
    QFile file(filePath);
    QString reason;
    QByteArray bytes;
    if (info.isDir()) {
        reason = QStringLiteral("it is a folder, not a file");
    } else if (info.exists() && !info.isFile()) {
        // Opening a pipe would wait for a writer, and a device might never end.
        reason = QStringLiteral("it is not an ordinary file");
    } else if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
    } else {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            reason = file.errorString();
        }
    }
    if (reason.isEmpty()) {
        return bytes;
    }
    m_unreadable.insert(fileName, {reason, freeNameFor(fileName)});
    m_unreported.append(fileName);
    return {};
}

QString DataFiles::freeNameFor(const QString& fileName) const
{
    QString candidate = fileName + QStringLiteral(".unreadable");
    for (int number = 2;
         QFileInfo::exists(path(candidate)) || QFileInfo(path(candidate)).isSymLink(); ++number) {
        candidate = fileName + QStringLiteral(".unreadable-%1").arg(number);
    }
    return candidate;
}

void DataFiles::reportUnreadableFiles()
{
    if (m_unreported.isEmpty()) {
        return;
    }
    QStringList lines;
    for (const QString& fileName : std::as_const(m_unreported)) {
        const Unreadable& problem = m_unreadable.value(fileName);
        lines.append(QStringLiteral("%1: %2.\nIts list starts empty. Before that list is next "
                                    "saved, the old file will be kept as %3.")
                         .arg(path(fileName), problem.reason, problem.keptAs));
    }
    m_unreported.clear();
    m_messages.show(m_messageParent, MessageTitle,
                    QStringLiteral("Some data files could not be read:\n\n") + lines.join("\n\n"),
                    MessageBox::Icon::Warning);
}

bool DataFiles::save(const QString& fileName, const QByteArray& bytes)
{
    QString error;
    const bool saved =
        keepUnreadOriginal(fileName, &error) && writeAtomically(fileName, bytes, &error);
    // Told after the save, so that no other save can start while the message is shown mid-way.
    reportBackupProblem();
    if (saved) {
        return true;
    }
    m_messages.show(m_messageParent, MessageTitle,
                    QStringLiteral("The list could not be saved to %1.\n\n%2\n\nThe file was "
                                   "not changed. The list in the window keeps what you see, and "
                                   "the next save tries again.")
                        .arg(path(fileName), error),
                    MessageBox::Icon::Warning);
    return false;
}

bool DataFiles::keepUnreadOriginal(const QString& fileName, QString* error)
{
    const auto unreadable = m_unreadable.constFind(fileName);
    if (unreadable == m_unreadable.cend()) {
        return true;
    }
    const QFileInfo original(path(fileName));
    if (original.exists() || original.isSymLink()) {
        if (!QDir(m_folder).rename(fileName, unreadable->keptAs)) {
            *error = QStringLiteral("The file that could not be read at start-up could not be "
                                    "kept as %1, so it was not overwritten.")
                         .arg(unreadable->keptAs);
            return false;
        }
    }
    m_unreadable.erase(unreadable);
    return true;
}

// QSaveFile alone would leave "<file>.XXXXXX" behind when killed, a name a user's own copy may
// have. Its work is staged under a name of ours instead and then renamed over the file.
bool DataFiles::writeAtomically(const QString& fileName, const QByteArray& bytes, QString* error)
{
    const QString target = savedPath(fileName);
    removeStagingLeftovers(target);
    const QString staging = target + StagingSuffix;
    std::unique_ptr<QSaveFile> file = m_saveFileFactory(staging);
    if (!file->open(QIODevice::WriteOnly)) {
        *error = file->errorString();
        return false;
    }
    if (QFileInfo::exists(target)) {
        file->setPermissions(QFile::permissions(target));
    }
    *error = writeWholeAndCommit(*file, bytes);
    if (!error->isEmpty()) {
        return false;
    }
    keepBackup(fileName, target);
    if (std::rename(QFile::encodeName(staging).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(staging);
        return false;
    }
    return true;
}

// Only an ordinary file is kept: anything else in its place makes the save fail anyway.
void DataFiles::keepBackup(const QString& fileName, const QString& target)
{
    QString error;
    if (QFileInfo(target).isFile() && !m_backups.keep(target, fileName, &error) &&
        m_backupProblem.isEmpty()) {
        m_backupProblem = error;
    }
}

void DataFiles::reportBackupProblem()
{
    if (m_backupProblem.isEmpty() || m_backupProblemReported) {
        return;
    }
    m_backupProblemReported = true;
    m_messages.show(m_messageParent, MessageTitle,
                    QStringLiteral("Earlier versions of the lists are not being kept in %1."
                                   "\n\n%2\n\nThe lists themselves are still saved. This is not "
                                   "said again until the next start.")
                        .arg(m_backups.folder(), m_backupProblem),
                    MessageBox::Icon::Warning);
}

// A data file may be a link to one kept elsewhere: that one is replaced, and the link stays.
QString DataFiles::savedPath(const QString& fileName) const
{
    QFileInfo file(path(fileName));
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth) {
        file.setFile(file.symLinkTarget());
    }
    return file.filePath();
}

void DataFiles::removeStagingLeftovers(const QString& filePath) const
{
    const QFileInfo file(filePath);
    const QString pattern = file.fileName() + StagingSuffix + QLatin1Char('*');
    for (const QFileInfo& leftover :
         file.dir().entryInfoList({pattern}, QDir::Files | QDir::System | QDir::Hidden)) {
        QFile::remove(leftover.filePath());
    }
}
