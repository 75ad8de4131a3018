#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Asks the user for a file to open or to save to; an empty result means Cancel. Filters are in
// the "Description|pattern|Description|pattern" form.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual QString chooseFileToOpen(QWidget* parent, const QString& startFile,
                                     const QString& filter) = 0;
    virtual QString chooseFileToSave(QWidget* parent, const QString& suggestedFile,
                                     const QString& filter) = 0;
};

class DesktopFileChooser : public FileChooser
{
public:
    QString chooseFileToOpen(QWidget* parent, const QString& startFile,
                             const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& suggestedFile,
                             const QString& filter) override;
};

// The open-file dialog object of a window. It keeps the file name of its last successful use, so
// that after Cancel FileName still names the file chosen before.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    CommonDialog(const QString& name, FileChooser& chooser, QWidget* owner);

    // Filters in the "Description|pattern|Description|pattern" form.
    void setFilter(const QString& filter) { m_filter = filter; }
    QString FileName() const { return m_fileName; }
    void ShowOpen();

private:
    FileChooser& m_chooser;
    QWidget* m_owner;
    QString m_filter;
    QString m_fileName;
};
