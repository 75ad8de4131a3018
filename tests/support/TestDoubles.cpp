#include "TestDoubles.h"

void RecordingMessageBox::show(QWidget*, const QString& title, const QString& text, Icon icon)
{
    shown.append({title, text, icon});
}

QString ScriptedFileChooser::chooseFileToOpen(QWidget*, const QString&, const QString& filter)
{
    ++timesShown;
    filtersAsked.append(filter);
    return nextAnswers.isEmpty() ? QString() : nextAnswers.takeFirst();
}

bool RecordingPrinter::EndDoc(QString*)
{
    m_jobs.append(std::exchange(m_lines, {}));
    return true;
}

PlatformServices TestDesktop::services()
{
    return {messages, files, [this] {
                return std::make_unique<RecordingPrinter>(printJobs);
            }};
}
