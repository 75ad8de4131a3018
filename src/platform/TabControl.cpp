#include "TabControl.h"

#include <QTabBar>
#include <algorithm>

namespace {

constexpr int TabStripHeight = 360;

QString escapedAmpersands(QString caption)
{
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TabControl::TabControl(const QString& name, QWidget* parent)
    : QTabWidget(parent)
{
    setObjectName(name);
    tabBar()->setExpanding(false);
    setUsesScrollButtons(true);
}

int TabControl::addTab(QWidget* page, const QString& caption)
{
    return QTabWidget::addTab(page, escapedAmpersands(caption));
}

QString TabControl::caption(int tab) const
{
    return tabText(tab).replace(QLatin1String("&&"), QLatin1String("&"));
}

void TabControl::setCaption(int tab, const QString& caption)
{
    setTabText(tab, escapedAmpersands(caption));
}

void TabControl::selectAvailableTab(int step)
{
    for (int tab = currentIndex(), tried = 1; tried < count(); ++tried) {
        tab = (tab + step + count()) % count();
        if (isAvailable(tab)) {
            setCurrentIndex(tab);
            return;
        }
    }
}

int TabControl::pageTop(int topOnTab)
{
    return std::max(0, topOnTab - TabStripHeight);
}

Controls::Place TabControl::pagePlace(Controls::Place onTab)
{
    onTab.top = pageTop(onTab.top);
    return onTab;
}
