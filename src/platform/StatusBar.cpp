#include "StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(const QString& name, QWidget* parent)
    : QStatusBar(parent)
    , m_panel(new QLabel(this))
{
    setObjectName(name);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setAccessibleName(tr("Status"));
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
