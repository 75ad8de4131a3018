#pragma once

#include <QWidget>

class ListView;
class QGroupBox;
class QPushButton;

// The Tracker tab: the list of tracked web pages (title and address) and its buttons.
class TrackerTab : public QWidget
{
    Q_OBJECT

public:
    explicit TrackerTab(QWidget* parent = nullptr);

    ListView* const ListView1;
    QGroupBox* const Frame3;
    QPushButton* const Command5;
    QPushButton* const Command6;
    QPushButton* const Command7;
};
