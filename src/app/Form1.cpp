#include "Form1.h"

#include "AppIcon.h"
#include "Form2.h"
#include "KeyboardShortcuts.h"
#include "app/WindowLayout.h"
#include "browse/StartPage.h"
#include "browse/StoreBrowsing.h"
#include "data/DataFiles.h"
#include "data/InstallLayout.h"
#include "frmAbout.h"
#include "lists/collection/CollectionTab.h"
#include "lists/pricecheck/PriceCheckTab.h"
#include "lists/tracker/TrackerTab.h"
#include "lists/tradewish/TradeWishTab.h"
#include "platform/BrowserDownloads.h"
#include "platform/Controls.h"
#include "platform/Progress.h"
#include "platform/StatusBar.h"
#include "platform/TabControl.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "print/ListPrintouts.h"
#include "transfer/ListTransfer.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QWebEngineProfile>
#include <algorithm>

namespace {

const char* const StoreTabCaptions[Form1::StoreCount] = {"eBay", "Games&Cards", "Troll and Toad",
                                                         "Magic Singles", "CCG"};

// Design size of the window's client area.
constexpr int DesignWidth = 13650;
constexpr int DesignHeight = 8880;

QAction* menuEntry(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

Form1::Form1(const QString& dataFolder, PlatformServices services, const StoreHosts& hosts,
             const QString& helpPage)
    : QMainWindow()
    , m_services(std::move(services))
    , m_dataFiles(std::make_unique<DataFiles>(dataFolder, m_services.messageBox, this))
    , m_storeProfile(new QWebEngineProfile(QStringLiteral("Stores"), this))
    , m_printouts(std::make_unique<ListPrintouts>(m_services, this))
    , m_progress(std::make_unique<DesktopProgressDisplay>())
    , m_transfer(std::make_unique<ListTransfer>(m_services.fileChooser, m_services.messageBox,
                                                *m_progress, this))
    , m_helpPage(helpPage)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(Program::WindowTitle));
    setWindowIcon(AppIcon::icon());
    // Closing this window alone does not end the program while the help window or the About
    // box is open; quitWhenNoWindowIsLeft decides instead.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(client);
    // Cookies and site data stay with the lists, so a user stays signed in to a store.
    m_storeProfile->setPersistentStoragePath(
        QDir(dataFolder).filePath(QStringLiteral("store-browsers")));
    new StartPage(dataFolder, m_storeProfile);
    buildMenus();
    buildTopBar(client);
    m_statusBar = new StatusBar(QStringLiteral("StatusBar1"), this);
    setStatusBar(m_statusBar);
    buildTabs(client, hosts);
    connectListTransfer();
    installKeyboardShortcuts();

    setMinimumSize(Twips::toPixels(WindowLayout::MinimumWidth),
                   Twips::toPixels(WindowLayout::MinimumHeight));
    // The design client area holds the status bar; only the menu bar comes on top of it.
    QSize designSize(Twips::toPixels(DesignWidth),
                     Twips::toPixels(DesignHeight) + menuBar()->sizeHint().height());
    // At large scale factors the designed size can exceed a small screen: open no larger than it.
    if (const QScreen* shownOn = screen()) {
        designSize = designSize.boundedTo(shownOn->availableSize());
    }
    resize(designSize);

    Form_Load();
}

Form1::~Form1()
{
    // The store pages must go before the profile they share.
    delete m_tabs;
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("file"));
    menuEntry(file, QStringLiteral("print"), tr("&Print"));
    menuEntry(file, QStringLiteral("exportList"), tr("&Export List…"));
    menuEntry(file, QStringLiteral("importList"), tr("&Import List…"));
    QAction* closer = menuEntry(file, QStringLiteral("closer"), tr("&Close"));
    connect(closer, &QAction::triggered, this, &Form1::closer_Click);

    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("help"));
    connect(menuEntry(help, QStringLiteral("helpp"), tr("&Help Page")), &QAction::triggered, this,
            &Form1::helpp_Click);
    connect(menuEntry(help, QStringLiteral("about"), tr("About Us")), &QAction::triggered, this,
            &Form1::about_Click);
}

void Form1::buildTopBar(QWidget* client)
{
    using ToolIcons::Kind;
    m_back = Controls::pictureButton(client, QStringLiteral("Command1"), Kind::Back, tr("Back"),
                                     {0, 0, 615, 375}, 20);
    m_forward = Controls::pictureButton(client, QStringLiteral("Command16"), Kind::Forward,
                                        tr("Forward"), {600, 0, 615, 375}, 20);
    m_stop = Controls::pictureButton(client, QStringLiteral("Command17"), Kind::Stop, tr("Stop"),
                                     {1200, 0, 615, 375}, 20);
    m_refresh = Controls::pictureButton(client, QStringLiteral("Command18"), Kind::Refresh,
                                        tr("Refresh"), {1800, 0, 615, 375}, 20);
    m_print = Controls::pictureButton(client, QStringLiteral("Command19"), Kind::Print, tr("Print"),
                                      {2400, 0, 615, 375}, 20);

    m_address = new QComboBox(client);
    m_address->setObjectName(QStringLiteral("Combo1"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setAccessibleName(tr("Web address"));
    m_address->lineEdit()->setAccessibleName(m_address->accessibleName());
    Controls::place(m_address, {3000, 50, 4575, 315});

    m_goToAddress = Controls::pictureButton(client, QStringLiteral("Command22"), Kind::Go,
                                            tr("Go to Web Address"), {7560, 50, 500, 315}, 16);

    m_searchTerm = Controls::textBox(client, QStringLiteral("Text1"), {8160, 50, 1695, 315});
    m_searchTerm->setText(QStringLiteral("SEARCH NOW!"));
    m_searchTerm->setAccessibleName(tr("Card to search for"));

    m_findIt = Controls::button(client, QStringLiteral("Command21"), tr("Find It!"), QString(),
                                {9840, 0, 855, 375});
    m_track = Controls::button(client, QStringLiteral("Command11"), tr("eBay TRACK"), QString(),
                               {10680, 0, 1095, 375});
    // The last control of the bar: in a wider font than its design size allows it grows to the
    // right rather than cut its caption.
    m_track->resize(std::max(m_track->width(), m_track->sizeHint().width()), m_track->height());
}

void Form1::buildTabs(QWidget* client, const StoreHosts& hosts)
{
    m_tabs = new TabControl(QStringLiteral("SSTab1"), client);
    m_tabs->setAccessibleName(tr("Stores and lists"));
    Controls::place(m_tabs, {120, 480, 12855, 7560});

    for (int store = 0; store < StoreCount; ++store) {
        auto* page = new QWidget;
        auto* browser = new WebBrowser(QStringLiteral("WebBrowser1_%1").arg(store), store,
                                       m_storeProfile, page);
        browser->setAccessibleName(tr("%1 store page").arg(QLatin1String(StoreTabCaptions[store])));
        Controls::place(browser, TabControl::pagePlace({60, 420, 12205, 6850}));
        m_browsers[size_t(store)] = browser;
        new BrowserDownloads(browser, m_services.fileChooser);
        m_tabs->addTab(page, QLatin1String(StoreTabCaptions[store]));
    }
    m_storeBrowsing =
        new StoreBrowsing({m_tabs, m_browsers, m_searchTerm, m_findIt, m_back, m_forward, m_stop,
                           m_refresh, m_print, m_address, m_goToAddress, m_statusBar},
                          hosts, this);
    connect(findChild<QAction*>(QStringLiteral("print")), &QAction::triggered, m_storeBrowsing,
            &StoreBrowsing::Command19_Click);

    m_tracker = new TrackerTab(*m_dataFiles, *m_storeBrowsing, *m_printouts);
    m_tabs->addTab(m_tracker, TrackerTab::caption());
    connect(m_track, &QPushButton::clicked, m_tracker, &TrackerTab::Command11_Click);
    connect(m_tracker, &TrackerTab::pageTracked, m_tabs,
            [this] { m_tabs->setCurrentIndex(Program::TrackerTabIndex); });
    m_priceCheck = new PriceCheckTab(*m_dataFiles);
    m_tabs->addTab(m_priceCheck, PriceCheckTab::caption());
    m_collection = new CollectionTab(m_services.fileChooser, m_services.messageBox, *m_dataFiles);
    m_tabs->addTab(m_collection, CollectionTab::caption());
    m_tradeWish = new TradeWishTab(*m_dataFiles, *m_printouts);
    m_tabs->addTab(m_tradeWish, TradeWishTab::caption());
}

void Form1::connectListTransfer()
{
    auto* exportList = findChild<QAction*>(QStringLiteral("exportList"));
    auto* importList = findChild<QAction*>(QStringLiteral("importList"));
    connect(exportList, &QAction::triggered, this, [this] {
        if (TransferableList* list = listInFront()) {
            m_transfer->exportList(*list);
        }
    });
    connect(importList, &QAction::triggered, this, [this] {
        if (TransferableList* list = listInFront()) {
            m_transfer->importList(*list);
        }
    });
    const auto enable = [this, exportList, importList] {
        const bool onList = listInFront() != nullptr;
        exportList->setEnabled(onList);
        importList->setEnabled(onList);
    };
    connect(m_tabs, &QTabWidget::currentChanged, this, enable);
    enable();
}

TransferableList* Form1::listInFront() const
{
    auto* page = qobject_cast<ListTabPage*>(m_tabs->currentWidget());
    return page ? &page->transferableList() : nullptr;
}

void Form1::Form_Load()
{
    m_collection->fillInDefaultRarity();
    m_tracker->readFiles();
    m_collection->readFiles();
    m_priceCheck->readFiles();
    m_tabs->setCaption(0, tr("Home"));
    for (int store = 1; store < StoreCount; ++store) {
        m_tabs->setAvailable(store, false);
    }
    m_browsers[0]->Navigate(StartPage::address());
    m_tradeWish->readFiles();

    m_tabs->setCurrentIndex(Program::CollectionTabIndex);
    // Told once the window is up, so the message stands in front of it.
    QMetaObject::invokeMethod(
        this, [this] { m_dataFiles->reportUnreadableFiles(); }, Qt::QueuedConnection);
}

QString Form1::installedHelpPage()
{
    return InstallLayout::helpPage(QCoreApplication::applicationDirPath());
}

void Form1::installKeyboardShortcuts()
{
    KeyboardShortcuts::install({this, m_searchTerm, m_address, m_storeBrowsing, m_tabs,
                                findChild<QAction*>(QStringLiteral("print")),
                                findChild<QAction*>(QStringLiteral("helpp"))});
}

void Form1::closer_Click()
{
    QCoreApplication::exit(0);
}

Form2* Form1::helpWindow() const
{
    return m_help;
}

frmAbout* Form1::aboutBox() const
{
    return m_about;
}

void Form1::helpp_Click()
{
    if (!m_help) {
        m_help = new Form2(m_helpPage, this);
    }
    showSecondaryWindow(m_help);
}

void Form1::about_Click()
{
    if (!m_about) {
        m_about = new frmAbout(this);
    }
    showSecondaryWindow(m_about);
}

void Form1::showSecondaryWindow(QWidget* window)
{
    connect(window, &QObject::destroyed, this, &Form1::quitWhenNoWindowIsLeft,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    // A minimized window comes back as it was, page and all.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    QMetaObject::invokeMethod(this, &Form1::quitWhenNoWindowIsLeft, Qt::QueuedConnection);
}

void Form1::quitWhenNoWindowIsLeft()
{
    if (!isVisible() && !m_help && !m_about) {
        QCoreApplication::exit(0);
    }
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // On X11 the window manager's frame is not known at the first resize; it arrives with a
    // later move, and the layout counts it in.
    if (frameGeometry().size() != m_laidOutFor) {
        Form_Resize();
    }
}

void Form1::Form_Resize()
{
    const QRect outer = frameGeometry();
    m_laidOutFor = outer.size();
    const WindowGeometry g =
        WindowLayout::compute(Twips::fromPixels(outer.height()), Twips::fromPixels(outer.width()));
    // Each tab places its own controls; in a compact window only the collection list follows.
    for (WebBrowser* browser : m_browsers) {
        Controls::resize(browser, g.browserWidth, g.browserHeight);
    }
    m_collection->followWindowSize(g);
    Controls::resize(m_tabs, g.tabsWidth, g.tabsHeight);
    m_tracker->followWindowSize(g);
    m_priceCheck->followWindowSize(g);
    m_tradeWish->followWindowSize(g);
}
