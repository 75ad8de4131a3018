#pragma once

#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// The first store tab's start page, served by the program itself so that it opens without the
// internet: its own "vellumark:" address, from the program's resources. Only the page and its
// picture are there; every other address of the scheme is a plain "not found" page, and nothing
// is ever read from disk.
class StartPage : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    // The engine learns of the scheme only before the application object exists.
    static void registerScheme();
    static QUrl address();

    // The page names dataFolder as the place where the lists are kept.
    StartPage(const QString& dataFolder, QWebEngineProfile* profile);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QString m_dataFolder;
};
