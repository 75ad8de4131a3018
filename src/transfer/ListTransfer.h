#pragma once

#include <QString>

class FileChooser;
class MessageBox;
class ProgressDisplay;
class QWidget;
class TransferableList;

// File, Export List and File, Import List: a list to a CSV file the user names, and the rows of
// a CSV file the user chooses into a list.
class ListTransfer
{
public:
    // Files bigger than this are not read: no list of cards comes near it.
    static constexpr qint64 MaxImportBytes = qint64(512) << 20;

    ListTransfer(FileChooser& files, MessageBox& messages, ProgressDisplay& progress,
                 QWidget* parent);

    // Written as the data files are: a new file beside the old one that replaces it only once
    // complete; on failure the user is told and no file is left half-written.
    void exportList(const TransferableList& list);
    // Adds what could be read and tells what went where and what was skipped; a file that
    // cannot be read at all, or Cancel, leaves the list as it was.
    void importList(TransferableList& list);

private:
    void warn(const QString& text);

    FileChooser& m_files;
    MessageBox& m_messages;
    ProgressDisplay& m_progress;
    QWidget* m_parent;
    QString m_folder; // of the last file chosen
};
