#pragma once

#include "Controls.h"

#include <QTabWidget>

// A tab container whose captions are plain text ("Games&Cards" shows an ampersand, not a
// keyboard mnemonic) and whose tabs can be made unavailable.
class TabControl : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabControl(const QString& name, QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& caption);
    QString caption(int tab) const;
    void setCaption(int tab, const QString& caption);
    bool isAvailable(int tab) const { return isTabEnabled(tab); }
    void setAvailable(int tab, bool available) { setTabEnabled(tab, available); }
    // Brings the next available tab in the direction of step (1 or -1) to the front, wrapping
    // around at either end.
    void selectAvailableTab(int step);

    // Places on a tab are measured from the top of the tab control, its tab strip included; this
    // gives the place on the tab's page, below the strip.
    static Controls::Place pagePlace(Controls::Place onTab);
    static int pageTop(int topOnTab);
};
