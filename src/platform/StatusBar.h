#pragma once

#include <QStatusBar>

class QLabel;

// A status bar with one text panel.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(const QString& name, QWidget* parent = nullptr);

    QString panelText() const;
    void setPanelText(const QString& text);

private:
    QLabel* m_panel;
};
