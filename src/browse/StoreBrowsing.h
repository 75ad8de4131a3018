#pragma once

#include "StoreAddresses.h"
#include "StorePages.h"

#include <QKeyCombination>
#include <QObject>
#include <array>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class StatusBar;
class TabControl;
class WebBrowser;

// The five store browsers and the top bar that drives them: one search for all stores, and the
// navigation buttons and address box, which act on the browser of the selected tab only.
class StoreBrowsing : public QObject, public StorePages
{
    Q_OBJECT

public:
    struct Controls
    {
        TabControl* tabs;
        std::array<WebBrowser*, StoreAddresses::StoreCount> browsers;
        QLineEdit* searchBox;
        QPushButton* findIt;
        QPushButton* back;
        QPushButton* forward;
        QPushButton* stop;
        QPushButton* refresh;
        QPushButton* print;
        QComboBox* addressBox;
        QPushButton* goToAddress;
        StatusBar* statusBar;
    };

    StoreBrowsing(Controls controls, StoreHosts hosts, QObject* parent = nullptr);

    // The browser of the selected tab, or none on the tabs that hold no browser.
    WebBrowser* ActiveStoreBrowser() const;

    QString activePageTitle() const override;
    QString activePageAddress() const override;
    void showInFirstStore(const QString& address) override;

public slots:
    void OpenStoreTabs();
    void Command21_Click();
    void Command1_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command22_Click();
    void zoomIn();
    void zoomOut();
    void resetZoom();
    void WebBrowser1_StatusTextChange(int index, const QString& text);
    void WebBrowser1_ProgressChange(int index, int progress, int progressMax);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every command acts on the browser of the selected tab, and on no browser elsewhere.
    void onActiveStoreBrowser(void (WebBrowser::*command)());
    void Text1_KeyDown(int keyCode);
    void Combo1_KeyDown(int keyCode);
    void searchBoxKeyEvent(const QKeyEvent& event);

    Controls m_controls;
    StoreHosts m_hosts;
    QKeyCombination m_searchKeyHandled; // pressed in the search box and not yet released
};
