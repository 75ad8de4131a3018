#include "StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(const QString& name, QWidget* parent)
    : QStatusBar(parent)
    , m_panel(new QLabel(this))
{
    setObjectName(name);
    // The bar carries the name; a named panel would speak its name instead of its text.
    setAccessibleName(tr("Status"));
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setTextFormat(Qt::PlainText);
    addWidget(m_panel, 1);
}

QString StatusBar::panelText() const
{
    return m_panel->text();
}

void StatusBar::setPanelText(const QString& text)
{
    m_panel->setText(text);
}
