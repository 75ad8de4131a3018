#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QUrl>
#include <functional>

class QTcpSocket;
class QWebEnginePage;
class QWebEngineView;

// Runs the event loop at full speed (a page load takes many rounds) until the condition holds.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 15000);

// In place of the stores, never to be cached: /page/<name> (titled <name>, one link covering its
// upper half), /slow/<name> (the same, sent after 1.5 s), /blank/<name> (the link with
// target="_blank"), /open/<name> (the link runs window.open), /popup/<name> (window.open as it
// loads, no link), /bare/<name> (untitled), /download/<name> (downloadBytes() as an attachment
// named <name>), else 404.
class LocalWebServer : public QObject
{
public:
    static constexpr const char* LinkTarget = "/page/linked";
    LocalWebServer();
    QString hostAndPort() const { return "127.0.0.1:" + QString::number(m_server.serverPort()); }
    QUrl url(const QString& target) const { return QUrl("http://" + hostAndPort() + target); }
    // The targets asked for, as received and in order, without favicons.
    QList<QByteArray> pageTargets() const { return m_targets; }
    void clearRequests() { m_targets.clear(); }
    int slowPagesSent = 0; // even those the browser gave up on
    // Loads (and forgets) one more page with the browser's profile: earlier loads arrived first.
    bool settle(QWebEngineView* browser);
    // Waits until the browser shows the page of this server, loaded to the end.
    bool showsPage(const QWebEngineView* browser, const QString& target) const;
    static QByteArray downloadBytes();
    static QString nowhere(); // host and port where nothing listens
    static QUrl refusingUrl(const QString& target) { return QUrl("http://" + nowhere() + target); }

private:
    void readFrom(QTcpSocket* socket);
    static QString title(const QByteArray& path);
    static QByteArray response(const QByteArray& path);

    QTcpServer m_server;
    QPointer<QWebEnginePage> m_settlePage;
    QList<QByteArray> m_targets;
};
