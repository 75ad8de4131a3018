#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QWidget;

// One running copy of the program per data folder: two copies on the same lists would each save
// over what the other saved. The copy that holds the folder's lock listens on a local socket
// named after the folder; a later start on that folder asks it there to show itself, and ends.
// A lock left by a copy that crashed or was killed is taken over; other folders are not affected.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start
    {
        First,          // this copy runs and answers later starts
        OtherShown,     // a running copy was asked to show itself; this one ends
        OtherNotAnswers // the folder is locked by a copy that does not answer; this one ends
    };

    static constexpr const char* LockFileName = ".vellumark.lock";

    explicit SingleInstance(const QString& dataFolder);

    Start start(int answerMilliseconds = 5000);

    // Brings a window to the front as a person would: restored, raised and active.
    static void showInFront(QWidget& window);

signals:
    void showRequested();

private:
    void answerLaterStart();
    bool askRunningCopy(int answerMilliseconds) const;

    QString m_serverName;
    QLockFile m_lock;
    QLocalServer m_server;
};
