#include "WebBrowser.h"

#include <QChildEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <algorithm>
#include <array>

namespace {

// Why a page could not be opened, in the words of a collector rather than of the engine.
QString failureReason(const QWebEngineLoadingInfo& info)
{
    const int code = info.errorCode();
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) {
        return code == 404 ? WebBrowser::tr("The store has no such page (error 404)")
                           : WebBrowser::tr("The server answered with error %1").arg(code);
    }
    if (info.errorDomain() == QWebEngineLoadingInfo::CertificateErrorDomain) {
        return WebBrowser::tr("The secure connection to the server could not be trusted");
    }
    // The engine's network error codes.
    switch (code) {
    case -102:
        return WebBrowser::tr("The connection was refused");
    case -105:
    case -137:
        return WebBrowser::tr("No such server: %1").arg(info.url().host());
    case -7:
    case -118:
        return WebBrowser::tr("The server did not answer in time");
    case -104:
    case -109:
        return WebBrowser::tr("The server could not be reached");
    case -106:
        return WebBrowser::tr("This computer is not connected to the internet");
    case -100:
    case -101:
        return WebBrowser::tr("The connection was broken off");
    case -107:
    case -113:
        return WebBrowser::tr("The secure connection to the server failed");
    default:
        return WebBrowser::tr("The page could not be opened");
    }
}

// An address as the engine shows it in place of a missing title: without "http://", with a
// trailing slash dropped and escapes decoded; compared decoded on both sides.
QString comparableAddress(QString address)
{
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (address.startsWith(scheme)) {
            address.remove(0, scheme.size());
        }
    }
    if (address.endsWith(QLatin1Char('/'))) {
        address.chop(1);
    }
    return QUrl::fromPercentEncoding(address.toUtf8());
}

// The zoom steps of desktop browsers, as factors of the usual size.
constexpr std::array<qreal, 15> ZoomSteps{0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0,
                                          1.1,  1.25, 1.5, 1.75, 2.0,  2.5, 3.0};

} // namespace

WebBrowser::WebBrowser(const QString& name, int index, QWebEngineProfile* profile, QWidget* parent)
    : QWebEngineView(parent)
    , m_index(index)
{
    setObjectName(name);
    setPage(new QWebEnginePage(profile, this));
    // Leaving a link goes back to what the load is doing.
    connect(page(), &QWebEnginePage::linkHovered, this, [this](const QString& url) {
        emit StatusTextChange(m_index, url.isEmpty() ? m_loadState : url);
    });
    connect(page(), &QWebEnginePage::loadingChanged, this, &WebBrowser::reportLoading);
    connect(this, &QWebEngineView::loadProgress, this, &WebBrowser::reportProgress);
    connect(this, &QWebEngineView::printFinished, this, [this] { m_printer.reset(); });
    connect(page(), &QWebEnginePage::newWindowRequested, this, &WebBrowser::openInThisBrowser);
    connect(page(), &QWebEnginePage::featurePermissionRequested, page(),
            [page = page()](const QUrl& origin, QWebEnginePage::Feature feature) {
                page->setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
            });
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

void WebBrowser::ZoomIn()
{
    const auto larger = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), zoomFactor() + 0.001);
    if (larger != ZoomSteps.end()) {
        setZoomFactor(*larger);
    }
}

void WebBrowser::ZoomOut()
{
    const auto notSmaller =
        std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), zoomFactor() - 0.001);
    if (notSmaller != ZoomSteps.begin()) {
        setZoomFactor(*std::prev(notSmaller));
    }
}

void WebBrowser::ResetZoom()
{
    setZoomFactor(1.0);
}

void WebBrowser::openInThisBrowser(QWebEngineNewWindowRequest& request)
{
    // A page does not open windows on its own, without a click or key of the user.
    if (request.isUserInitiated()) {
        load(request.requestedUrl());
    }
}

QString WebBrowser::LocationURL() const
{
    // The address exactly as loaded: a decoded space would not be the same address.
    return url().toString(QUrl::FullyEncoded);
}

QString WebBrowser::documentTitle() const
{
    // The engine names a page without a title after its address; that is no title of the page.
    const QString shown = comparableAddress(title());
    const bool standIn = shown == comparableAddress(url().toString(QUrl::FullyEncoded)) ||
                         shown == comparableAddress(url().toDisplayString());
    return standIn ? QString() : title();
}

void WebBrowser::reportLoading(const QWebEngineLoadingInfo& info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_opening = info.url();
        showStatusText(openingText(0));
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        showStatusText(tr("Done"));
        break;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        showStatusText(tr("%1 \u2014 %2").arg(failureReason(info), info.url().toDisplayString()));
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        showStatusText(tr("Stopped"));
        break;
    }
    m_opening.clear();
}

void WebBrowser::reportProgress(int progress)
{
    emit ProgressChange(m_index, progress, 100);
    if (!m_opening.isEmpty()) {
        showStatusText(openingText(progress));
    }
}

QString WebBrowser::openingText(int progress) const
{
    return tr("Opening page %1\u2026 %2%").arg(m_opening.toDisplayString()).arg(progress);
}

void WebBrowser::showStatusText(const QString& text)
{
    m_loadState = text;
    emit StatusTextChange(m_index, text);
}
