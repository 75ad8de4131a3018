#include "Form2.h"

#include "data/Program.h"
#include "platform/Controls.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"

#include <QWebEngineProfile>

Form2::Form2(const QString& helpPage, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_browser(new WebBrowser(QStringLiteral("WebBrowser1"), 0,
                               QWebEngineProfile::defaultProfile(), this))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QLatin1String(Program::HelpWindowTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::toPixels(11715), Twips::toPixels(9645));
    m_browser->setAccessibleName(tr("Help page"));
    Controls::place(m_browser, {0, 120, 11655, 9495});
    Form_Load(helpPage);
}

void Form2::Form_Load(const QString& helpPage)
{
    m_browser->Navigate(QUrl::fromLocalFile(helpPage));
}
