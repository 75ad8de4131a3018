#pragma once

#include <QString>
#include <QStringList>

// Earlier versions of the data files, kept in a folder of their own so that a slip made
// permanent by a save can still be undone by hand. Before a save replaces a file, the file as it
// was is kept there as "<file>.<yyyy-MM-ddTHH-mm-ss>" ("-2", "-3", … added for more saves in the
// same second), and only the newest VersionsKept of each file stay.
//
// On one file system a version is a second name (a hard link) of the file about to be replaced:
// the save's rename gives the data file a new inode, so the link keeps the old bytes at no cost.
// Elsewhere the bytes are copied, and the copy gets its final name only once it is on disk.
class Backups
{
public:
    static constexpr int VersionsKept = 20;

    explicit Backups(const QString& folder);

    QString folder() const { return m_folder; }

    // Keeps the bytes now at `filePath` as the newest version of `fileName`; false, with the
    // reason, when they could not be kept.
    bool keep(const QString& filePath, const QString& fileName, QString* error) const;

    // The names of the kept versions of the file, oldest first.
    QStringList versions(const QString& fileName) const;

private:
    bool makeFolder(QString* error) const;
    bool linkAsNewest(const QString& source, const QString& fileName, QString* error) const;
    bool copyAsNewest(const QString& source, const QString& fileName, QString* error) const;
    void removeOldest(const QString& fileName) const;

    QString m_folder;
};
