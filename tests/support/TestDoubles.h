#pragma once

#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"

#include <QStringList>
#include <QVector>

// Records every message instead of showing it.
class RecordingMessageBox : public MessageBox
{
public:
    struct Shown
    {
        QString title;
        QString text;
        Icon icon;
    };

    void show(QWidget* parent, const QString& title, const QString& text, Icon icon) override;

    QVector<Shown> shown;
};

// Answers the open-file dialog with the next scripted file name ("" = Cancel).
class ScriptedFileChooser : public FileChooser
{
public:
    QString chooseFileToOpen(QWidget* parent, const QString& startFile,
                             const QString& filter) override;

    QStringList nextAnswers;
    QStringList filtersAsked;
    int timesShown = 0;
};

// Keeps the lines of every print job instead of printing them.
class RecordingPrinter : public LinePrinter
{
public:
    explicit RecordingPrinter(QVector<QStringList>& jobs) : m_jobs(jobs) {}
    void PrintLine(const QString& line) override { m_lines.append(line); }
    bool EndDoc(QString* error) override;

private:
    QVector<QStringList>& m_jobs;
    QStringList m_lines;
};

// Everything a main window needs, with doubles in the place of the desktop's dialogs.
struct TestDesktop
{
    RecordingMessageBox messages;
    ScriptedFileChooser files;
    QVector<QStringList> printJobs;

    PlatformServices services();
};
