#pragma once

#include <QObject>

class FileChooser;
class QWebEngineDownloadRequest;
class WebBrowser;

// Saves what a page hands over instead of showing it (a PDF price list, a zipped checklist): the
// user picks the file in the save dialog, which asks itself before replacing one, and Cancel
// there cancels the download. The browser's status text tells how far it is and how it ended.
class BrowserDownloads : public QObject
{
    Q_OBJECT

public:
    BrowserDownloads(WebBrowser* browser, FileChooser& chooser);

private:
    void offer(QWebEngineDownloadRequest* download);
    void report(const QWebEngineDownloadRequest& download);

    WebBrowser* m_browser;
    FileChooser& m_chooser;
};
