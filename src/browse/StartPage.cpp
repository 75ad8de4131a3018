#include "StartPage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

const QByteArray Scheme = QByteArrayLiteral("vellumark");
const QString Host = QStringLiteral("store");
const QString PagePath = QStringLiteral("/index.htm");
const QString PicturePath = QStringLiteral("/vellumark.png");
const char* const DataFolderMark = "{{data-folder}}";

QByteArray resource(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray notFoundPage()
{
    return QByteArrayLiteral("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                             "<title>Not found</title></head><body><h1>Not found</h1>"
                             "<p>Vellumark has no page at this address.</p></body></html>");
}

} // namespace

void StartPage::registerScheme()
{
    QWebEngineUrlScheme scheme(Scheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure like https, so the page's picture loads without mixed-content warnings.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl StartPage::address()
{
    QUrl url;
    url.setScheme(QString::fromLatin1(Scheme));
    url.setHost(Host);
    url.setPath(PagePath);
    return url;
}

StartPage::StartPage(const QString& dataFolder, QWebEngineProfile* profile)
    : QWebEngineUrlSchemeHandler(profile)
    , m_dataFolder(dataFolder)
{
    profile->installUrlSchemeHandler(Scheme, this);
}

void StartPage::requestStarted(QWebEngineUrlRequestJob* job)
{
    const QUrl url = job->requestUrl();
    const bool ours = url.host() == Host && job->requestMethod() == "GET";
    QByteArray type = QByteArrayLiteral("text/html");
    QByteArray content;
    if (ours && url.path() == PagePath) {
        const QString folder = QDir::toNativeSeparators(m_dataFolder).toHtmlEscaped();
        content = resource(QStringLiteral(":/startpage/index.htm"))
                      .replace(DataFolderMark, folder.toUtf8());
    } else if (ours && url.path() == PicturePath) {
        type = QByteArrayLiteral("image/png");
        content = resource(QStringLiteral(":/appicon/128.png"));
    } else {
        content = notFoundPage();
    }
    // The job owns the page it is sent and drops it when done.
    auto* body = new QBuffer(job);
    body->setData(content);
    job->reply(type, body);
}
