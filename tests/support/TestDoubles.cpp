#include "TestDoubles.h"

void RecordingMessageBox::show(QWidget*, const QString& title, const QString& text, Icon icon)
{
    shown.append({title, text, icon});
}

bool RecordingMessageBox::askYesNo(QWidget*, const QString&, const QString& text)
{
    questions.append(text);
    return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
}

QString ScriptedFileChooser::chooseFileToSave(QWidget*, const QString&, const QString&)
{
    return nextSaveAnswers.isEmpty() ? QString() : nextSaveAnswers.takeFirst();
}

QString ScriptedFileChooser::chooseFileToOpen(QWidget*, const QString&, const QString& filter)
{
    ++timesShown;
    filtersAsked.append(filter);
    return nextAnswers.isEmpty() ? QString() : nextAnswers.takeFirst();
}

bool RecordingPrinter::print(const QStringList& lines, QString* error)
{
    if (!m_failure.isEmpty()) {
        *error = m_failure;
        return false;
    }
    m_jobs.append(lines);
    return true;
}

PlatformServices TestDesktop::services()
{
    return {messages, files, [this]() -> std::unique_ptr<LinePrinter> {
                if (realPrinter) {
                    return std::make_unique<DefaultPrinter>();
                }
                return std::make_unique<RecordingPrinter>(printJobs, printerFailure);
            }};
}
