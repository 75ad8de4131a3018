#pragma once

#include "Backups.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ListBox;
class ListView;
class MessageBox;
class QSaveFile;
class QWidget;

// The data files of one folder, read into the lists and written back from them.
//
// A save never rewrites a file in place: the new contents go to a staging file beside it, which
// replaces the old file only once it is complete and on disk. When that fails the old file stays
// as it was and the user is told. A staging file left by a program that was killed mid-save is
// removed at the next start or save; its name is the program's own, so no file of the user's
// can be taken for one. A file that exists but could not be read is never overwritten
// unread: before its list is first saved, the old file is kept under another name. Every file a
// save replaces is kept in backups/ first; when that fails the save still goes ahead, and the
// user is told once.
class DataFiles
{
public:
    using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;

    // Until a save's new contents replace the file, they are kept under the file's name and this.
    static constexpr const char* StagingSuffix = ".vellumark-save";
    static constexpr const char* BackupFolder = "backups";

    DataFiles(const QString& folder, MessageBox& messages, QWidget* messageParent = nullptr);
    ~DataFiles();

    QString folder() const { return m_folder; }
    QString path(const QString& fileName) const;

    void ReadLineFile(ListView& list, const QString& fileName);
    bool WriteLineFile(const ListView& list, const QString& fileName);
    void ReadQuotedFile(ListBox& list, const QString& fileName);
    bool WriteQuotedFile(const ListBox& list, const QString& fileName);

    // Tells the user, in one message, about every file that could not be read so far.
    void reportUnreadableFiles();

    // Lets tests put a failing file in the place of the real one.
    void setSaveFileFactory(SaveFileFactory factory) { m_saveFileFactory = std::move(factory); }

private:
    struct Unreadable
    {
        QString reason;
        QString keptAs;
    };

    // The file's bytes; empty when it is missing or could not be read.
    QByteArray readBytes(const QString& fileName);
    bool save(const QString& fileName, const QByteArray& bytes);
    bool keepUnreadOriginal(const QString& fileName, QString* error);
    bool writeAtomically(const QString& fileName, const QByteArray& bytes, QString* error);
    void keepBackup(const QString& fileName, const QString& target);
    void reportBackupProblem();
    QString savedPath(const QString& fileName) const;
    void removeStagingLeftovers(const QString& filePath) const;
    QString freeNameFor(const QString& fileName) const;

    QString m_folder;
    MessageBox& m_messages;
    QWidget* m_messageParent;
    SaveFileFactory m_saveFileFactory;
    Backups m_backups;
    QString m_backupProblem;
    bool m_backupProblemReported = false;
    QHash<QString, Unreadable> m_unreadable;
    QStringList m_unreported;
};
