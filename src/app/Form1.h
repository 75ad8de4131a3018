#pragma once

#include "browse/StoreAddresses.h"
#include "data/Program.h"
#include "platform/PlatformServices.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class CollectionTab;
class Form2;
class ListPrintouts;
class ListTransfer;
class frmAbout;
class DataFiles;
class PriceCheckTab;
class ProgressDisplay;
class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWebEngineProfile;
class StatusBar;
class StoreBrowsing;
class TabControl;
class TrackerTab;
class TradeWishTab;
class TransferableList;
class WebBrowser;

// The main window: the top bar for the store browsers, nine tabs (five store browsers, the
// tracker, the price check, the collection and the trade and wish lists), menus and status bar.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int StoreCount = StoreAddresses::StoreCount;

    // The data files are read from and saved to dataFolder; the store searches go to hosts; the
    // Help menu shows helpPage.
    Form1(const QString& dataFolder, PlatformServices services,
          const StoreHosts& hosts = StoreHosts::publicServers(),
          const QString& helpPage = installedHelpPage());
    ~Form1() override;

    // help.htm beside the program, or in the shared files of an installed one.
    static QString installedHelpPage();

    TabControl* SSTab1() const { return m_tabs; }
    WebBrowser* WebBrowser1(int index) const { return m_browsers.at(size_t(index)); }
    StatusBar* StatusBar1() const { return m_statusBar; }
    StoreBrowsing& storeBrowsing() { return *m_storeBrowsing; }
    Form2* helpWindow() const;
    frmAbout* aboutBox() const;

public slots:
    void closer_Click();
    void helpp_Click();
    void about_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildTopBar(QWidget* client);
    void buildTabs(QWidget* client, const StoreHosts& hosts);
    void Form_Load();
    void Form_Resize();
    void installKeyboardShortcuts();
    // File, Export List and Import List work on the list tab in front; none on a store tab.
    void connectListTransfer();
    TransferableList* listInFront() const;
    // The program ends when its last window has closed: the main window, the help window and
    // the About box each count.
    void quitWhenNoWindowIsLeft();
    void showSecondaryWindow(QWidget* window);

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
    StoreBrowsing* m_storeBrowsing = nullptr;
    std::unique_ptr<ListPrintouts> m_printouts;
    std::unique_ptr<ProgressDisplay> m_progress;
    std::unique_ptr<ListTransfer> m_transfer;
    QString m_helpPage;
    QPointer<Form2> m_help;
    QPointer<frmAbout> m_about;
    QSize m_laidOutFor; // the outer size of the last layout, frame included
};
