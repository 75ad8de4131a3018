#pragma once

#include "transfer/TransferableList.h"

#include <QObject>
#include <QString>

class DataFiles;
class ListBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// One half of the Trade/Wish tab: a sorted list of card names with its entry box and its ADD,
// DELETE and SAVE buttons. The trade list and the wish list are two of these.
class CardListHalf : public QObject, public TransferableList
{
    Q_OBJECT

public:
    struct Controls
    {
        ListBox* list;
        QPlainTextEdit* entry;
        QPushButton* add;
        QPushButton* remove;
        QPushButton* save;
    };

    // title: the list's name, its heading in an export.
    CardListHalf(Controls controls, const QString& title, const QString& fileName, DataFiles& files,
                 QObject* parent = nullptr);

    // Fills the list from its file.
    void Read();
    // Whether the widget is one of this half's own.
    bool owns(const QWidget* widget) const;

    QString listName() const override { return m_title; }
    QStringList headings() const override { return {m_title}; }
    void useRows(const std::function<void(const RowTable&)>& use) const override;
    void addRows(RowTable rows) override;

public slots:
    void Add();
    void Delete();
    void Save();

private:
    Controls m_controls;
    QString m_title;
    QString m_fileName;
    DataFiles& m_files;
};
