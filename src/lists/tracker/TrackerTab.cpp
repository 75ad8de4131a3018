#include "TrackerTab.h"

#include "platform/Controls.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"

#include <QGroupBox>
#include <QPushButton>

TrackerTab::TrackerTab(QWidget* parent)
    : QWidget(parent),
      ListView1(new ListView(QStringLiteral("ListView1"),
                             {{QStringLiteral("ITEMS"), 10000}, {QString(), 40}}, this)),
      Frame3(Controls::frame(this, QStringLiteral("Frame3"),
                             TabControl::pagePlace({120, 5050, 4095, 855}))),
      Command5(Controls::button(Frame3, QStringLiteral("Command5"), QStringLiteral("DISPLAY"),
                                QStringLiteral("Display web page."), {120, 300, 1215, 375})),
      Command6(Controls::button(Frame3, QStringLiteral("Command6"), QStringLiteral("DELETE"),
                                QStringLiteral("Delete line"), {1440, 300, 1215, 375})),
      Command7(Controls::button(Frame3, QStringLiteral("Command7"), QStringLiteral("PRINT"),
                                QStringLiteral("Print all information"), {2760, 300, 1215, 375}))
{
    ListView1->setAccessibleName(tr("Tracked pages"));
    Controls::place(ListView1, TabControl::pagePlace({120, 480, 13150, 4400}));
}
