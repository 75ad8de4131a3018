#include "CrashSaveList.h"
#include "TestDoubles.h"
#include "data/DataFiles.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// Writes in small paced pieces: encoding the list takes long and writing the file little, so
// kills at random moments would otherwise seldom land while the file is being written.
struct PacedSaveFile : QSaveFile
{
    using QSaveFile::QSaveFile;

    qint64 writeData(const char* data, qint64 size) override
    {
        QThread::usleep(500);
        return QSaveFile::writeData(data, std::min<qint64>(size, 64 * 1024));
    }
};

// Says how many milliseconds a save takes. Then for each line read, forks a saver that saves the
// two lists into the folder given, one after the other, until it is killed; says the saver's
// process id, then "killed" once it was, or "failed". Forking spares the test a start-up for each
// of its many kills.
int main(int argc, char* argv[])
{
    prctl(PR_SET_PDEATHSIG, SIGKILL); // Nothing outlives a test that ends early.
    QApplication app(argc, argv);
    RecordingMessageBox messages;
    DataFiles files(QCoreApplication::arguments().constLast(), messages);
    files.setSaveFileFactory(
        [](const QString& path) { return std::make_unique<PacedSaveFile>(path); });
    ListView first("", QVector<ListColumn>(2)), second("", QVector<ListColumn>(2));
    fillCrashSaveList(first, 0);
    fillCrashSaveList(second, 1);
    QElapsedTimer save;
    save.start();
    if (!files.WriteLineFile(first, CrashSaveFile)) {
        return 1;
    }
    std::printf("%d\n", int(std::max<qint64>(1, save.elapsed())));
    std::fflush(stdout);
    for (char line[16]; std::fgets(line, sizeof line, stdin);) {
        const pid_t saver = fork();
        if (saver == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            for (int save = 0;; ++save) {
                if (!files.WriteLineFile(save % 2 ? second : first, CrashSaveFile)) {
                    _exit(1);
                }
            }
        }
        std::printf("%d\n", int(saver));
        std::fflush(stdout);
        int status = 0;
        waitpid(saver, &status, 0);
        std::puts(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? "killed" : "failed");
        std::fflush(stdout);
    }
}
