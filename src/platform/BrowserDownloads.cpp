#include "BrowserDownloads.h"

#include "CommonDialog.h"
#include "WebBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

BrowserDownloads::BrowserDownloads(WebBrowser* browser, FileChooser& chooser)
    : QObject(browser)
    , m_browser(browser)
    , m_chooser(chooser)
{
    // The profile is shared by several browsers; each takes the downloads of its own page.
    connect(browser->page()->profile(), &QWebEngineProfile::downloadRequested, this,
            &BrowserDownloads::offer);
}

void BrowserDownloads::offer(QWebEngineDownloadRequest* download)
{
    if (download->page() != m_browser->page()) {
        return;
    }
    const QString suggested =
        QDir(download->downloadDirectory()).filePath(download->downloadFileName());
    const QString chosen =
        m_chooser.chooseFileToSave(m_browser->window(), suggested, tr("All files|*.*"));
    if (chosen.isEmpty()) {
        download->cancel();
        m_browser->showStatusText(tr("Not saved: %1").arg(download->suggestedFileName()));
        return;
    }
    const QFileInfo target(chosen);
    download->setDownloadDirectory(target.absolutePath());
    download->setDownloadFileName(target.fileName());
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this,
            [this, download] { report(*download); });
    connect(download, &QWebEngineDownloadRequest::stateChanged, this,
            [this, download] { report(*download); });
    download->accept();
}

void BrowserDownloads::report(const QWebEngineDownloadRequest& download)
{
    const QString name = download.downloadFileName();
    switch (download.state()) {
    case QWebEngineDownloadRequest::DownloadRequested:
    case QWebEngineDownloadRequest::DownloadInProgress: {
        const qint64 total = download.totalBytes(), received = download.receivedBytes();
        m_browser->showStatusText(
            total > 0 ? tr("Saving %1\u2026 %2%").arg(name).arg(received * 100 / total)
                      : tr("Saving %1\u2026 %2").arg(name, QLocale().formattedDataSize(received)));
        break;
    }
    case QWebEngineDownloadRequest::DownloadCompleted:
        m_browser->showStatusText(
            tr("Saved %1")
                .arg(QDir::toNativeSeparators(QDir(download.downloadDirectory()).filePath(name))));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        m_browser->showStatusText(tr("Not saved: %1").arg(name));
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        m_browser->showStatusText(
            tr("%1 could not be saved: %2").arg(name, download.interruptReasonString()));
        break;
    }
}
