#pragma once

#include "platform/PlatformServices.h"

#include <QMainWindow>
#include <array>
#include <memory>

class CollectionTab;
class DataFiles;
class PriceCheckTab;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QWebEngineProfile;
class StatusBar;
class TabControl;
class TrackerTab;
class TradeWishTab;
class WebBrowser;

// The main window: the top bar for the store browsers, nine tabs (five store browsers, the
// tracker, the price check, the collection and the trade and wish lists), menus and status bar.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int StoreCount = 5;
    enum Tab
    {
        TrackerTabIndex = 5,
        PriceCheckTabIndex,
        CollectionTabIndex,
        TradeWishTabIndex
    };

    // The data files are read from and saved to dataFolder.
    Form1(const QString& dataFolder, PlatformServices services, QWidget* parent = nullptr);
    ~Form1() override;

    TabControl* SSTab1() const { return m_tabs; }
    WebBrowser* WebBrowser1(int index) const { return m_browsers.at(size_t(index)); }
    StatusBar* StatusBar1() const { return m_statusBar; }
    TrackerTab* trackerTab() const { return m_tracker; }
    PriceCheckTab* priceCheckTab() const { return m_priceCheck; }
    CollectionTab* collectionTab() const { return m_collection; }
    TradeWishTab* tradeWishTab() const { return m_tradeWish; }
    DataFiles& dataFiles() { return *m_dataFiles; }

public slots:
    void closer_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildTopBar(QWidget* client);
    void buildTabs(QWidget* client, FileChooser& fileChooser);
    void Form_Load();
    void Form_Resize();

    PlatformServices m_services;
    std::unique_ptr<DataFiles> m_dataFiles;
    QWebEngineProfile* m_storeProfile;

    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_refresh = nullptr;
    QPushButton* m_print = nullptr;
    QComboBox* m_address = nullptr;
    QPushButton* m_goToAddress = nullptr;
    QLineEdit* m_searchTerm = nullptr;
    QPushButton* m_findIt = nullptr;
    QPushButton* m_track = nullptr;

    TabControl* m_tabs = nullptr;
    std::array<WebBrowser*, StoreCount> m_browsers{};
    TrackerTab* m_tracker = nullptr;
    PriceCheckTab* m_priceCheck = nullptr;
    CollectionTab* m_collection = nullptr;
    TradeWishTab* m_tradeWish = nullptr;
    StatusBar* m_statusBar = nullptr;
    QMenu* m_popUp = nullptr;
};
