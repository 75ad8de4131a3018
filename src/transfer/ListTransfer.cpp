#include "ListTransfer.h"

#include "CsvFile.h"
#include "ImportPlan.h"
#include "TransferableList.h"
#include "data/Program.h"
#include "data/TextEncoding.h"
#include "data/WholeWrite.h"
#include "platform/CommonDialog.h"
#include "platform/MessageBox.h"
#include "platform/Progress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QLatin1String CsvFilter("CSV files|*.csv;*.txt;*.tsv|All files|*.*");
constexpr qsizetype SniffedCharacters = 1 << 16;

// Text has no NUL and few control characters; pictures and programs have many. A character
// beyond ASCII takes several bytes, which all but the first mark as following ones.
bool looksLikeText(QByteArrayView utf8)
{
    qsizetype characters = 0;
    qsizetype controls = 0;
    for (qsizetype i = 0; i < utf8.size() && characters < SniffedCharacters; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == 0) {
            return false;
        }
        characters += (byte & 0xC0) != 0x80;
        controls += byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
    }
    return controls * 100 <= characters;
}

// Empty when the file could be read; else why not.
QString readFile(const QString& path, QByteArray* bytes)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        return QStringLiteral("it is a folder, not a file");
    }
    if (info.exists() && !info.isFile()) {
        return QStringLiteral("it is not an ordinary file");
    }
    if (info.size() > ListTransfer::MaxImportBytes) {
        return QStringLiteral("at %1 MB it is larger than any list of cards (at most %2 MB)")
            .arg(info.size() >> 20)
            .arg(ListTransfer::MaxImportBytes >> 20);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

// Empty when written; else why not. Nothing is left half-written.
QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) ? writeWholeAndCommit(file, bytes) : file.errorString();
}

} // namespace

ListTransfer::ListTransfer(FileChooser& files, MessageBox& messages, ProgressDisplay& progress,
                           QWidget* parent)
    : m_files(files)
    , m_messages(messages)
    , m_progress(progress)
    , m_parent(parent)
    , m_folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
}

void ListTransfer::warn(const QString& text)
{
    m_messages.show(m_parent, QLatin1String(Program::WindowTitle), text, MessageBox::Icon::Warning);
}

void ListTransfer::exportList(const TransferableList& list)
{
    const QString path = m_files.chooseFileToSave(
        m_parent, QDir(m_folder).filePath(list.listName() + QLatin1String(".csv")), CsvFilter);
    if (path.isEmpty()) {
        return;
    }
    m_folder = QFileInfo(path).absolutePath();
    const QString error = writeWhole(path, CsvFile::encode(list));
    if (!error.isEmpty()) {
        warn(QStringLiteral("%1 could not be exported to %2.\n\n%3\n\nNo file was written.")
                 .arg(list.listName(), QDir::toNativeSeparators(path), error));
    }
}

void ListTransfer::importList(TransferableList& list)
{
    const QString path = m_files.chooseFileToOpen(m_parent, m_folder, CsvFilter);
    if (path.isEmpty()) {
        return;
    }
    m_folder = QFileInfo(path).absolutePath();
    const QString shownPath = QDir::toNativeSeparators(path);
    QByteArray bytes;
    QString problem = readFile(path, &bytes);
    const QByteArray utf8 = TextEncoding::toUtf8(std::exchange(bytes, QByteArray()));
    if (problem.isEmpty() && !looksLikeText(utf8)) {
        problem = QStringLiteral("it is not a text file (a picture or a program, perhaps)");
    }
    if (!problem.isEmpty()) {
        warn(QStringLiteral("%1 could not be imported: %2.\n\n%3 was not changed.")
                 .arg(shownPath, problem, list.listName()));
        return;
    }

    const std::unique_ptr<Progress> progress = m_progress.begin(
        m_parent, QStringLiteral("Importing %1 into %2…").arg(shownPath, list.listName()));
    ImportPlan plan(list.headings(), utf8.size());
    const std::optional<CsvFile::Reading> reading = CsvFile::parse(
        utf8, CsvFile::separatorOf(utf8),
        [&progress](qint64 done, qint64 total) { return progress->advance(done, total); },
        [&plan](const std::vector<QUtf8StringView>& values) { plan.addRecord(values); });
    if (!reading) {
        return;
    }
    plan.finish(*reading);
    const QString report = plan.report(list.listName(), shownPath);
    const bool problems = plan.hasProblems();
    if (plan.rows().rowCount() > 0) {
        list.addRows(std::move(plan.rows()));
    }
    m_messages.show(m_parent, QLatin1String(Program::WindowTitle), report,
                    problems ? MessageBox::Icon::Warning : MessageBox::Icon::None);
}
