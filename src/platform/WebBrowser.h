#pragma once

#include <QWebEngineView>
#include <memory>

class QPrinter;
class QWebEngineLoadingInfo;
class QWebEngineNewWindowRequest;
class QWebEngineProfile;

// An embedded web browser. Besides the page it reports a status text, as desktop browsers show
// one: the address of a hovered link, else "Opening page … 45%" while loading, "Done" or why the
// page could not be opened. A link that asks for a new window opens in this browser, as it is the
// only window there is for it; a page that opens windows on its own is not let to, and one that
// asks for a permission (location, notifications, camera) is refused.
class WebBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    // index is the browser's place in its array of browsers, passed back with every notification.
    WebBrowser(const QString& name, int index, QWebEngineProfile* profile,
               QWidget* parent = nullptr);
    ~WebBrowser() override;

    int index() const { return m_index; }

    // Starts loading and returns at once; a text without a scheme is completed as a browser's
    // address bar would.
    void Navigate(const QString& address);
    void Navigate(const QUrl& address);
    void GoBack() { back(); }
    void GoForward() { forward(); }
    void Stop() { stop(); }
    void Refresh() { reload(); }
    // Shows the print dialog for the current page and prints it as the user chooses there.
    void ExecWBPrintWithPrompt();
    // Larger and smaller by the steps desktop browsers take, and back to the usual size.
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();

    QString LocationURL() const;
    QString documentTitle() const;
    // Shown until the next load or link hover changes it.
    void showStatusText(const QString& text);

signals:
    void StatusTextChange(int index, const QString& text);
    void ProgressChange(int index, int progress, int progressMax);

protected:
    void childEvent(QChildEvent* event) override;

private:
    void reportLoading(const QWebEngineLoadingInfo& info);
    void reportProgress(int progress);
    void openInThisBrowser(QWebEngineNewWindowRequest& request);
    QString openingText(int progress) const;

    int m_index;
    QUrl m_opening;      // the page being loaded, none between loads
    QString m_loadState; // shown while no link is hovered
    std::unique_ptr<QPrinter> m_printer;
};
