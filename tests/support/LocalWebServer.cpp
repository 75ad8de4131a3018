#include "LocalWebServer.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    for (const QDeadlineTimer deadline(timeoutMs); !condition() && !deadline.hasExpired();) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return condition();
}

LocalWebServer::LocalWebServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server.listen(QHostAddress::LocalHost);
}

bool LocalWebServer::settle(QWebEngineView* browser)
{
    // Kept, as a page costs a renderer process; owned by the browser so it goes before the profile.
    if (!m_settlePage || m_settlePage->parent() != browser)
        m_settlePage = new QWebEnginePage(browser->page()->profile(), browser);
    static int settled = 0;
    const QByteArray target = "/page/settle-" + QByteArray::number(++settled);
    m_settlePage->load(url(QString::fromLatin1(target)));
    const bool arrived = waitUntil([&] { return m_targets.contains(target); });
    m_targets.removeAll(target);
    return arrived;
}

bool LocalWebServer::showsPage(const QWebEngineView* browser, const QString& target) const
{
    const QString titled = title(target.toUtf8()); // an untitled page shows its address instead
    return waitUntil([&] {
        return browser->url() == url(target) && !browser->page()->isLoading() &&
               (titled.isEmpty() || browser->title() == titled);
    });
}

QString LocalWebServer::nowhere()
{
    QTcpServer probe; // a port that was free a moment ago
    probe.listen(QHostAddress::LocalHost);
    return "127.0.0.1:" + QString::number(probe.serverPort());
}

void LocalWebServer::readFrom(QTcpSocket* socket)
{
    if (socket->property("answered").toBool() || !socket->peek(1 << 16).contains("\r\n\r\n"))
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> line = socket->readLine().trimmed().split(' ');
    const QByteArray target = line.value(1), path = target.split('?').first();
    if (target != "/favicon.ico")
        m_targets.append(target);
    const int delay = path.startsWith("/slow/") ? 1500 : 0;
    QTimer::singleShot(delay, this, [this, socket = QPointer<QTcpSocket>(socket), path, delay] {
        slowPagesSent += delay > 0 ? 1 : 0;
        if (!socket)
            return;
        socket->write(response(path));
        socket->disconnectFromHost();
    });
}

QByteArray LocalWebServer::downloadBytes()
{
    QByteArray bytes(300000, 0);
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 % 251);
    return bytes;
}

QString LocalWebServer::title(const QByteArray& path)
{
    const QByteArray kind = path.mid(1, path.indexOf('/', 1) - 1);
    if (kind == "bare")
        return {};
    if (QList<QByteArray>{"page", "slow", "blank", "open", "popup"}.contains(kind))
        return QUrl::fromPercentEncoding(path.mid(kind.size() + 2));
    return QStringLiteral("Not found");
}

QByteArray LocalWebServer::response(const QByteArray& path)
{
    if (path.startsWith("/download/"))
        return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
               "Content-Disposition: attachment; filename=\"" +
               path.mid(10) + "\"\r\nConnection: close\r\nContent-Length: " +
               QByteArray::number(downloadBytes().size()) + "\r\n\r\n" + downloadBytes();
    const QString name = title(path);
    const QByteArray kind = path.mid(1, path.indexOf('/', 1) - 1);
    const QByteArray opens = kind == "blank"  ? " target=\"_blank\""
                             : kind == "open" ? " onclick=\"window.open(this.href); return false\""
                                              : "";
    const QByteArray link = QByteArray("<a href=\"") + LinkTarget + "\"" + opens +
                            " style=\"display:block;height:50vh\">Next</a>";
    const QByteArray content =
        kind == "popup"       ? QByteArray("<script>window.open('") + LinkTarget + "')</script>"
        : name != "Not found" ? link
                              : QByteArray();
    const QByteArray html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\">" +
        (name.isEmpty() ? "" : "<title>" + name.toHtmlEscaped().toUtf8() + "</title>") +
        "</head><body style=\"margin:0\">" + content + QByteArray(2000, ' ') + "</body></html>";
    return QByteArray(name == "Not found" ? "HTTP/1.1 404 Not Found" : "HTTP/1.1 200 OK") +
           "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
           "Connection: close\r\nContent-Length: " +
           QByteArray::number(html.size()) + "\r\n\r\n" + html;
}
