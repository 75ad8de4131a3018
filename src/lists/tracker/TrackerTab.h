#pragma once

#include <QWidget>

class DataFiles;
class ListView;
class QGroupBox;
class QMenu;
class QPushButton;
class StorePages;
class TabControl;

// The Tracker tab: the list of tracked web pages (title and address) and its buttons. The list is
// written to its file after every page tracked or deleted.
class TrackerTab : public QWidget
{
    Q_OBJECT

public:
    struct Collaborators
    {
        DataFiles& files;
        StorePages& stores;
        TabControl& tabs;
        QMenu& popUp;
    };

    explicit TrackerTab(Collaborators collaborators, QWidget* parent = nullptr);

    ListView* const ListView1;
    QGroupBox* const Frame3;
    QPushButton* const Command5;
    QPushButton* const Command6;
    QPushButton* const Command7;

public slots:
    // Tracks the page of the selected store tab.
    void Command11_Click();
    void Display();
    void Delete();
    void ListView1_MouseDown(Qt::MouseButton button, const QPoint& position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The Menu key or Shift+F10 on the list: the pop-up menu at the selected row.
    void showPopUpFromKeyboard();

    Collaborators m_with;
};
