#pragma once

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
// A save never rewrites a file in place: the new contents go to a temporary file beside it, which
// replaces the old file only once it is complete and on disk. When that fails the old file stays
// as it was and the user is told. A file that exists but could not be read is never overwritten
// unread: before its list is first saved, the old file is kept under another name.
class DataFiles
{
public:
    using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;

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

    // The file's text; empty when it is missing or could not be read.
    QString readText(const QString& fileName);
    bool save(const QString& fileName, const QByteArray& bytes);
    bool keepUnreadOriginal(const QString& fileName, QString* error);
    bool writeAtomically(const QString& fileName, const QByteArray& bytes, QString* error);
    QString freeNameFor(const QString& fileName) const;

    QString m_folder;
    MessageBox& m_messages;
    QWidget* m_messageParent;
    SaveFileFactory m_saveFileFactory;
    QHash<QString, Unreadable> m_unreadable;
    QStringList m_unreported;
};
