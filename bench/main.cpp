// vellumark-bench: times the program's work beside a bare baseline and prints one line per
// measurement, "<name>: <time> ms, baseline <time> ms, ratio <ratio>" (medians of several runs).
// Usage: vellumark-bench [--runs=N] [--rows=N] [name...]
//   (names: read write sort edit read-quoted export import startup; none = all of these;
//    memory-1m startup-1m sort-1m work on 1,000,000 rows and run only when named)
// Without a display it runs offscreen. Start-up and memory are measured in fresh processes of
// this program, which it starts itself with --startup-child=main|baseline or --memory-child;
// those arguments are not for people.

#include "SampleData.h"
#include "Timing.h"
#include "app/Form1.h"
#include "app/WebEngineSetup.h"
#include "data/ColumnSort.h"
#include "data/DataFiles.h"
#include "data/DataFormats.h"
#include "data/TextEncoding.h"
#include "lists/ListViewTransfer.h"
#include "lists/collection/CollectionTab.h"
#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/Progress.h"
#include "transfer/ListTransfer.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <numeric>
#include <set>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

const char* const StartupChildOption = "--startup-child=";
const char* const MemoryChildOption = "--memory-child";
constexpr int MillionRows = 1000000;
const QString CollectionFileName = QStringLiteral("file2.dtt");
const QStringList DataFileNames = {QStringLiteral("file.dtt"), CollectionFileName,
                                   QStringLiteral("file5.dtt"), QStringLiteral("file3.dtt"),
                                   QStringLiteral("file4.dtt")};

// A failed save must not wait for a click that never comes on an offscreen run.
class PrintedMessages : public DesktopMessageBox
{
public:
    void show(QWidget*, const QString& title, const QString& text, Icon) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
};

// Answers every file dialog with one file.
class OneFile : public FileChooser
{
public:
    explicit OneFile(const QString& path)
        : m_path(path)
    {
    }
    QString chooseFileToOpen(QWidget*, const QString&, const QString&) override { return m_path; }
    QString chooseFileToSave(QWidget*, const QString&, const QString&) override { return m_path; }

private:
    QString m_path;
};

// An import's report is not for the bench's output; warnings are.
class PrintedWarnings : public PrintedMessages
{
public:
    void show(QWidget* parent, const QString& title, const QString& text, Icon icon) override
    {
        if (icon == Icon::Warning) {
            PrintedMessages::show(parent, title, text, icon);
        }
    }
};

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void writeBytes(const QString& path, const std::string& bytes)
{
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

std::string readBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The least a program reading the file line by line does.
void baselineRead(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
}

// The least a durable save costs: a temporary file beside the target, on disk, renamed over it.
void baselineWrite(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out.flush()) {
            throw std::runtime_error("baseline write failed");
        }
    }
    const int fd = ::open(temporary.c_str(), O_WRONLY);
    if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0 ||
        std::rename(temporary.c_str(), path.c_str()) != 0) {
        throw std::runtime_error("baseline write failed");
    }
}

// The collection list (as on the My Collection tab) and its file, shared by the measurements
// that read or write it.
struct CollectionBench
{
    explicit CollectionBench(int rows)
        : bytes(SampleData::collectionFile(rows))
        , files(folder.path(), messages)
    {
        writeBytes(files.path(CollectionFileName), bytes);
    }

    QTemporaryDir folder;
    const std::string bytes;
    PrintedMessages messages;
    DataFiles files;
    ListView list{QStringLiteral("ListView3"), CollectionTab::Columns()};
};

void benchRead(CollectionBench& bench)
{
    const std::string path = bench.files.path(CollectionFileName).toStdString();
    Timing::compare(
        "read",
        [&] {
            bench.list.rows().setRows({});
            return Timing::elapsedMs(
                [&] { bench.files.ReadLineFile(bench.list, CollectionFileName); });
        },
        [&] {
            std::vector<std::string> lines;
            return Timing::elapsedMs([&] { baselineRead(path, lines); });
        });
}

// Every save also keeps the file it replaces in backups/ (a hard link on this one file system),
// and once 20 versions are there it removes the oldest: both are part of the timed save.
void benchWrite(CollectionBench& bench)
{
    const QString path = bench.files.path(CollectionFileName);
    if (bench.list.rowCount() == 0) {
        bench.files.ReadLineFile(bench.list, CollectionFileName);
    }
    // A save of what was read must give back the very same bytes.
    if (!bench.files.WriteLineFile(bench.list, CollectionFileName) ||
        readBytes(path) != bench.bytes) {
        std::fprintf(stderr, "write: %s does not hold the bytes that were read\n",
                     qPrintable(path));
    }
    Timing::compare(
        "write",
        [&] {
            return Timing::elapsedMs([&] {
                if (!bench.files.WriteLineFile(bench.list, CollectionFileName)) {
                    throw std::runtime_error("WriteLineFile failed");
                }
            });
        },
        [&] { return Timing::elapsedMs([&] { baselineWrite(path.toStdString(), bench.bytes); }); });
}

// File, Export List of the whole collection to a CSV file, and File, Import List of that file into
// the empty list, beside the data file's own write and read of the same rows.
void benchExportImport(CollectionBench& bench, bool exporting, bool importing)
{
    if (bench.list.rowCount() == 0) {
        bench.files.ReadLineFile(bench.list, CollectionFileName);
    }
    const QString csv = bench.folder.filePath(QStringLiteral("collection.csv"));
    OneFile chooser(csv);
    PrintedWarnings messages;
    DesktopProgressDisplay progress;
    ListTransfer transfer(chooser, messages, progress, nullptr);
    ListViewTransfer list(bench.list, QStringLiteral("My Collection"), QStringLiteral("Picture"));
    transfer.exportList(list);
    if (exporting) {
        Timing::compare(
            "export", [&] { return Timing::elapsedMs([&] { transfer.exportList(list); }); },
            [&] {
                return Timing::elapsedMs(
                    [&] { bench.files.WriteLineFile(bench.list, CollectionFileName); });
            });
    }
    if (importing) {
        const int rows = bench.list.rowCount();
        Timing::compare(
            "import",
            [&] {
                bench.list.rows().setRows({});
                const double ms = Timing::elapsedMs([&] { transfer.importList(list); });
                if (bench.list.rowCount() != rows) {
                    throw std::runtime_error("import: not every row came back");
                }
                return ms;
            },
            [&] {
                bench.list.rows().setRows({});
                return Timing::elapsedMs(
                    [&] { bench.files.ReadLineFile(bench.list, CollectionFileName); });
            });
    }
}

// A heading click on the first column of the full collection list, beside the same sort of the
// same rows as a QTreeWidget does it when `withWidget`.
void benchSort(CollectionBench& bench, const char* name, bool withWidget)
{
    if (bench.list.rowCount() == 0) {
        bench.files.ReadLineFile(bench.list, CollectionFileName);
    }
    const QVector<QStringList> rows = bench.list.rows().rows();
    const auto baseline = [&rows] {
        return Timing::elapsedMs([&rows] {
            // The least a sort can do: one collation key per cell, then a stable sort of indices,
            // in the list's own collation (English where the locale names no language).
            const QLocale user;
            QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::English) : user);
            collator.setCaseSensitivity(Qt::CaseInsensitive);
            std::vector<QCollatorSortKey> keys;
            keys.reserve(size_t(rows.size()));
            for (const QStringList& row : rows) {
                keys.push_back(collator.sortKey(row.at(0).toCaseFolded()));
            }
            std::vector<int> order(keys.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&keys](int left, int right) {
                return keys[size_t(left)].compare(keys[size_t(right)]) < 0;
            });
        });
    };
    Timing::compare(
        name,
        [&bench] {
            return Timing::elapsedMs([&bench] { ColumnSort::headingClicked(bench.list, 0); });
        },
        baseline);
    if (!withWidget) {
        return;
    }

    QTreeWidget widgetList;
    widgetList.setColumnCount(int(rows.first().size()));
    QList<QTreeWidgetItem*> items;
    for (const QStringList& row : rows) {
        items.append(new QTreeWidgetItem(row));
    }
    widgetList.addTopLevelItems(items);
    Qt::SortOrder order = Qt::AscendingOrder;
    Timing::compare(
        "sort-qtreewidget",
        [&widgetList, &order] {
            order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
            return Timing::elapsedMs([&widgetList, order] { widgetList.sortItems(0, order); });
        },
        baseline);
}

// ADD ALL into the sorted list, and DELETE of a row in the middle; one screen frame is 16 ms, and
// each should take well under one: the baseline is a fixed 2 ms.
void benchEditSorted(CollectionBench& bench)
{
    if (!bench.list.rows().isSorted()) {
        ColumnSort::headingClicked(bench.list, 0);
    }
    const auto target = [] {
        return 2.0;
    };
    int added = 0;
    Timing::compare(
        "add-sorted",
        [&bench, &added] {
            const QStringList card{QStringLiteral("Mox Sapphire %1").arg(++added),
                                   "A265",
                                   "1",
                                   "Alpha",
                                   "Near Mint",
                                   "RARE",
                                   "$4000",
                                   "$4000",
                                   QString()};
            return Timing::elapsedMs([&bench, &card] { bench.list.rows().appendRow(card); });
        },
        target);
    Timing::compare(
        "delete-middle",
        [&bench] {
            bench.list.selectRow(bench.list.rowCount() / 2);
            return Timing::elapsedMs([&bench] { bench.list.removeSelectedRow(); });
        },
        target);
}

// A trade file of `lines` lines that each open a quote and never close it, as an inch mark typed
// in an editor does: each line must be looked at a bounded number of times, whatever comes
// before it.
void benchReadQuoted(int lines)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("file3.dtt"));
    std::string bytes;
    for (int line = 0; line < lines; ++line) {
        bytes += "\"Lord of the Pit " + std::to_string(line) + "\r\n";
    }
    writeBytes(path, bytes);
    Timing::compare(
        "read-quoted",
        [&path, lines] {
            QStringList entries;
            const double ms = Timing::elapsedMs([&] {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly)) {
                    entries = DataFormats::parseQuotedLines(TextEncoding::decode(file.readAll()));
                }
            });
            if (entries.size() != lines) {
                throw std::runtime_error("read-quoted: not one entry per line");
            }
            return ms;
        },
        [&path] {
            std::vector<std::string> read;
            return Timing::elapsedMs([&] { baselineRead(path.toStdString(), read); });
        });
}

// Wall time from starting a fresh child process to the child saying its window is shown, with
// the given collection file and the other files empty.
double startupMs(const QString& kind, const std::string& collection = {})
{
    QTemporaryDir root;
    const QString dataFolder = root.filePath(QStringLiteral("data"));
    QDir().mkpath(dataFolder);
    for (const QString& name : DataFileNames) {
        writeBytes(QDir(dataFolder).filePath(name), name == CollectionFileName ? collection : "");
    }
    // Every child starts like a first start: no web profile or settings left by an earlier one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!hasDisplay()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        environment.insert(QLatin1String(name), root.filePath(QLatin1String(name)));
    }
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(root.path());
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(),
                {QLatin1String(StartupChildOption) + kind, dataFolder});
    while (!child.canReadLine() && child.waitForReadyRead(120000)) {
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const bool shown = child.readLine().trimmed() == "shown";
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "startup: the %s child ended badly (exit code %d)\n", qPrintable(kind),
                     child.exitCode());
    }
    if (!shown) {
        throw std::runtime_error("the " + kind.toStdString() + " child did not show its window: " +
                                 child.readAllStandardError().right(2000).toStdString());
    }
    return ms;
}

void benchStartup()
{
    Timing::compare(
        "startup", [] { return startupMs(QStringLiteral("main")); },
        [] { return startupMs(QStringLiteral("baseline")); });
}

// The program with a collection of a million rows, against the program with empty files and
// one second to spare.
void benchStartupMillion()
{
    const std::string collection = SampleData::collectionFile(MillionRows);
    Timing::compare(
        "startup-1m", [&collection] { return startupMs(QStringLiteral("main"), collection); },
        [] { return startupMs(QStringLiteral("main")) + 1000.0; });
}

// Resident memory as the kernel counts it.
double residentMegabytes()
{
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%*s %ld", &pages) != 1) {
            pages = 0;
        }
        std::fclose(statm);
    }
    return double(pages) * double(sysconf(_SC_PAGESIZE)) / 1e6;
}

// The child side of the memory measurement: how much the resident memory grows while the
// collection file of the folder is read into the collection list.
int runMemoryChild(const QString& dataFolder)
{
    PrintedMessages messages;
    DataFiles files(dataFolder, messages);
    ListView list(QStringLiteral("ListView3"), CollectionTab::Columns());
    const double before = residentMegabytes();
    files.ReadLineFile(list, CollectionFileName);
    std::printf("%d %.3f\n", list.rowCount(), residentMegabytes() - before);
    return 0;
}

// A fresh process reads a million collection rows; the baseline is two and a half times the
// file's size.
void benchMemoryMillion()
{
    QTemporaryDir folder;
    double fileMegabytes = 0;
    {
        const std::string bytes = SampleData::collectionFile(MillionRows);
        writeBytes(QDir(folder.path()).filePath(CollectionFileName), bytes);
        fileMegabytes = double(bytes.size()) / 1e6;
    }
    std::printf("# collection file: %d rows, %.1f MB\n", MillionRows, fileMegabytes);
    Timing::compare(
        "memory-1m", "MB",
        [&folder] {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QLatin1String(MemoryChildOption), folder.path()});
            if (!child.waitForFinished(300000) || child.exitCode() != 0) {
                throw std::runtime_error("the memory child ended badly");
            }
            const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
            if (figures.size() != 2 || figures.at(0).toInt() != MillionRows) {
                throw std::runtime_error("the memory child did not read every row");
            }
            return figures.at(1).toDouble();
        },
        [fileMegabytes] { return fileMegabytes * 2.5; });
}

// The child side of the start-up measurement: show the window, say so, and end.
int runStartupChild(const QString& kind, const QString& dataFolder)
{
    DesktopMessageBox messageBox;
    DesktopFileChooser fileChooser;
    std::unique_ptr<QWidget> window;
    if (kind == QLatin1String("main")) {
        PlatformServices services{messageBox, fileChooser, [] {
                                      return std::make_unique<DefaultPrinter>();
                                  }};
        window = std::make_unique<Form1>(dataFolder, services);
    } else {
        auto tabs = std::make_unique<QTabWidget>();
        for (int store = 1; store <= Form1::StoreCount; ++store) {
            tabs->addTab(new QWebEngineView, QStringLiteral("Store %1").arg(store));
        }
        tabs->resize(910, 640); // about the main window's size
        window = std::move(tabs);
    }
    window->show();
    // The timer makes sure the wait wakes up to look again even when no event arrives.
    QTimer tick;
    tick.start(5);
    while (!window->windowHandle() || !window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    int rows = 100000;
    int runs = 5;
    std::set<std::string> only;
    QStringList startupChild; // kind and data folder
    QString memoryChild;      // data folder
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&argument](const char* option) {
            return argument.rfind(option, 0) == 0 ? argument.substr(strlen(option)) : "";
        };
        if (argument == MemoryChildOption && i + 1 < argc) {
            memoryChild = QString::fromLocal8Bit(argv[++i]);
        } else if (!value(StartupChildOption).empty()) {
            startupChild = {QString::fromStdString(value(StartupChildOption)),
                            i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString()};
        } else if (!value("--rows=").empty()) {
            rows = std::stoi(value("--rows="));
        } else if (!value("--runs=").empty()) {
            runs = std::stoi(value("--runs="));
        } else if (argument == "read" || argument == "write" || argument == "sort" ||
                   argument == "edit" || argument == "read-quoted" || argument == "export" ||
                   argument == "import" || argument == "startup" || argument == "memory-1m" ||
                   argument == "startup-1m" || argument == "sort-1m") {
            only.insert(argument);
        } else {
            std::fprintf(stderr, "usage: vellumark-bench [--runs=N] [--rows=N] "
                                 "[read|write|sort|edit|read-quoted|export|import|startup|"
                                 "memory-1m|startup-1m|sort-1m]...\n");
            return 2;
        }
    }
    if (!hasDisplay()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // As the program's own main.
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumark"));
    if (!startupChild.isEmpty()) {
        return runStartupChild(startupChild.at(0), startupChild.at(1));
    }
    if (!memoryChild.isEmpty()) {
        return runMemoryChild(memoryChild);
    }

    Timing::setRuns(runs);
    const auto wanted = [&only](const char* name) {
        return only.empty() || only.count(name);
    };
    const auto named = [&only](const char* name) {
        return only.count(name) > 0;
    };
    if (wanted("read") || wanted("write") || wanted("sort") || wanted("edit") || wanted("export") ||
        wanted("import")) {
        CollectionBench collection(rows);
        std::printf("# collection file: %d rows, %.1f MB\n", rows,
                    double(collection.bytes.size()) / 1e6);
        if (wanted("read")) {
            benchRead(collection);
        }
        if (wanted("write")) {
            benchWrite(collection);
        }
        if (wanted("export") || wanted("import")) {
            benchExportImport(collection, wanted("export"), wanted("import"));
        }
        if (wanted("sort")) {
            benchSort(collection, "sort", true);
        }
        if (wanted("edit")) {
            benchEditSorted(collection);
        }
    }
    if (wanted("read-quoted")) {
        benchReadQuoted(rows);
    }
    if (wanted("startup")) {
        benchStartup();
    }
    if (named("memory-1m")) {
        benchMemoryMillion();
    }
    if (named("startup-1m")) {
        benchStartupMillion();
    }
    if (named("sort-1m")) {
        CollectionBench million(MillionRows);
        std::printf("# collection file: %d rows, %.1f MB\n", MillionRows,
                    double(million.bytes.size()) / 1e6);
        benchSort(million, "sort-1m", false);
    }
    std::printf("# medians of %d runs; targets (ratio): read <= 1.00, write <= 1.50, "
                "sort <= 1.50, add-sorted <= 1.00, delete-middle <= 1.00, read-quoted <= 2.00, "
                "export <= 3.00, import <= 3.00, startup <= 1.50, memory-1m <= 1.00, "
                "startup-1m <= 1.00, sort-1m <= 1.50 (and at most 1000 ms)\n",
                runs);
    return 0;
}
