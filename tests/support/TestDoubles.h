#pragma once

#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/MessageBox.h"
#include "platform/PlatformServices.h"

#include <QStringList>

// Records every message instead of showing it; answers each question with the next of
// yesNoAnswers (No when none is left).
class RecordingMessageBox : public MessageBox
{
public:
    struct Shown
    {
        QString title, text;
    };

    void show(QWidget*, const QString& title, const QString& text, Icon) override
    {
        shown.append({title, text});
    }
    bool askYesNo(QWidget*, const QString&, const QString& text) override
    {
        questions.append(text);
        return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
    }

    QVector<Shown> shown;
    QStringList questions;
    QList<bool> yesNoAnswers;
};

// Answers the file dialogs with the next scripted file name ("" = Cancel).
class ScriptedFileChooser : public FileChooser
{
public:
    QString chooseFileToOpen(QWidget*, const QString&, const QString& filter) override
    {
        filtersAsked.append(filter);
        return nextAnswers.isEmpty() ? QString() : nextAnswers.takeFirst();
    }
    QString chooseFileToSave(QWidget*, const QString&, const QString&) override
    {
        return nextSaveAnswers.isEmpty() ? QString() : nextSaveAnswers.takeFirst();
    }

    QStringList nextAnswers, nextSaveAnswers, filtersAsked;
};

// Everything a main window needs, with doubles in the place of the desktop's dialogs; jobs go to
// the desktop's default printer.
struct TestDesktop
{
    RecordingMessageBox messages;
    ScriptedFileChooser files;

    PlatformServices services()
    {
        return {messages, files, [] {
                    return std::make_unique<DefaultPrinter>();
                }};
    }
};
