#include "WebBrowser.h"

#include <QChildEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

// For an HTTP error the engine hands over its error page's markup; the status bar wants words.
QString failureText(const QWebEngineLoadingInfo& info)
{
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) {
        return WebBrowser::tr("the server answered with HTTP error %1").arg(info.errorCode());
    }
    QTextDocument plain;
    plain.setHtml(info.errorString());
    return plain.toPlainText();
}

} // namespace

WebBrowser::WebBrowser(const QString& name, int index, QWebEngineProfile* profile, QWidget* parent)
    : QWebEngineView(parent)
    , m_index(index)
{
    setObjectName(name);
    setPage(new QWebEnginePage(profile, this));
    connect(page(), &QWebEnginePage::linkHovered, this,
            [this](const QString& url) { emit StatusTextChange(m_index, url); });
    connect(page(), &QWebEnginePage::loadingChanged, this, &WebBrowser::reportLoading);
    connect(this, &QWebEngineView::loadProgress, this,
            [this](int progress) { emit ProgressChange(m_index, progress, 100); });
    connect(this, &QWebEngineView::printFinished, this, [this] { m_printer.reset(); });
}

WebBrowser::~WebBrowser() = default;

void WebBrowser::childEvent(QChildEvent* event)
{
    QWebEngineView::childEvent(event);
    // The engine draws the page in a widget of its own, made when the first page shows; it takes
    // the keyboard focus, so a screen reader names it.
    if (event->polished() && event->child()->isWidgetType()) {
        static_cast<QWidget*>(event->child())->setAccessibleName(accessibleName());
    }
}

void WebBrowser::Navigate(const QString& address)
{
    Navigate(QUrl::fromUserInput(address));
}

void WebBrowser::Navigate(const QUrl& address)
{
    load(address);
}

void WebBrowser::ExecWBPrintWithPrompt()
{
    if (m_printer) {
        return;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    m_printer = std::move(printer);
    print(m_printer.get());
}

QString WebBrowser::LocationURL() const
{
    return url().toString();
}

QString WebBrowser::documentTitle() const
{
    return title();
}

void WebBrowser::reportLoading(const QWebEngineLoadingInfo& info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        emit StatusTextChange(m_index,
                              tr("Opening page %1\u2026").arg(info.url().toDisplayString()));
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        emit StatusTextChange(m_index, tr("Done"));
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        emit StatusTextChange(
            m_index,
            tr("Could not open %1: %2").arg(info.url().toDisplayString(), failureText(info)));
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        emit StatusTextChange(m_index, tr("Stopped"));
        break;
    }
}
