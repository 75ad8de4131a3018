#include "StoreBrowsing.h"

#include "platform/StatusBar.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The stores are asked in this order: eBay, Magic Singles, Troll and Toad, Games&Cards, CCG.
constexpr std::array<int, StoreAddresses::StoreCount> RequestOrder{0, 3, 2, 1, 4};

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

StoreBrowsing::StoreBrowsing(Controls controls, StoreHosts hosts, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
    , m_hosts(std::move(hosts))
{
    connect(m_controls.findIt, &QPushButton::clicked, this, &StoreBrowsing::Command21_Click);
    connect(m_controls.back, &QPushButton::clicked, this, &StoreBrowsing::Command1_Click);
    connect(m_controls.forward, &QPushButton::clicked, this, &StoreBrowsing::Command16_Click);
    connect(m_controls.stop, &QPushButton::clicked, this, &StoreBrowsing::Command17_Click);
    connect(m_controls.refresh, &QPushButton::clicked, this, &StoreBrowsing::Command18_Click);
    connect(m_controls.print, &QPushButton::clicked, this, &StoreBrowsing::Command19_Click);
    connect(m_controls.goToAddress, &QPushButton::clicked, this, &StoreBrowsing::Command22_Click);
    for (WebBrowser* browser : m_controls.browsers) {
        connect(browser, &WebBrowser::StatusTextChange, this,
                &StoreBrowsing::WebBrowser1_StatusTextChange);
        connect(browser, &WebBrowser::ProgressChange, this,
                &StoreBrowsing::WebBrowser1_ProgressChange);
    }
    m_controls.searchBox->installEventFilter(this);
    // The address box is its line edit's focus proxy: keys come to the box.
    m_controls.addressBox->installEventFilter(this);
}

WebBrowser* StoreBrowsing::ActiveStoreBrowser() const
{
    const int selected = m_controls.tabs->currentIndex();
    return selected >= 0 && selected < StoreAddresses::StoreCount
               ? m_controls.browsers.at(size_t(selected))
               : nullptr;
}

QString StoreBrowsing::activePageTitle() const
{
    const WebBrowser* browser = ActiveStoreBrowser();
    return browser ? browser->documentTitle() : QString();
}

QString StoreBrowsing::activePageAddress() const
{
    const WebBrowser* browser = ActiveStoreBrowser();
    return browser ? browser->LocationURL() : QString();
}

void StoreBrowsing::showInFirstStore(const QString& address)
{
    m_controls.tabs->setCurrentIndex(0);
    if (m_controls.tabs->currentIndex() == 0) {
        m_controls.browsers[0]->Navigate(address);
    }
}

void StoreBrowsing::onActiveStoreBrowser(void (WebBrowser::*command)())
{
    if (WebBrowser* browser = ActiveStoreBrowser()) {
        (browser->*command)();
    }
}

void StoreBrowsing::OpenStoreTabs()
{
    m_controls.tabs->setCaption(0, tr("Ebay"));
    for (int store = 1; store < StoreAddresses::StoreCount; ++store) {
        m_controls.tabs->setAvailable(store, true);
    }
}

void StoreBrowsing::Command21_Click()
{
    OpenStoreTabs();
    const auto pages = StoreAddresses::searchPages(m_hosts, m_controls.searchBox->text());
    for (int store : RequestOrder) {
        m_controls.browsers[size_t(store)]->Navigate(pages[size_t(store)]);
    }
}

void StoreBrowsing::Command1_Click()
{
    onActiveStoreBrowser(&WebBrowser::GoBack);
}

void StoreBrowsing::Command16_Click()
{
    onActiveStoreBrowser(&WebBrowser::GoForward);
}

void StoreBrowsing::Command17_Click()
{
    onActiveStoreBrowser(&WebBrowser::Stop);
}

void StoreBrowsing::Command18_Click()
{
    onActiveStoreBrowser(&WebBrowser::Refresh);
}

void StoreBrowsing::Command19_Click()
{
    onActiveStoreBrowser(&WebBrowser::ExecWBPrintWithPrompt);
}

void StoreBrowsing::Command22_Click()
{
    if (WebBrowser* browser = ActiveStoreBrowser()) {
        browser->Navigate(m_controls.addressBox->currentText());
    }
}

void StoreBrowsing::zoomIn()
{
    onActiveStoreBrowser(&WebBrowser::ZoomIn);
}

void StoreBrowsing::zoomOut()
{
    onActiveStoreBrowser(&WebBrowser::ZoomOut);
}

void StoreBrowsing::resetZoom()
{
    onActiveStoreBrowser(&WebBrowser::ResetZoom);
}

void StoreBrowsing::WebBrowser1_StatusTextChange(int, const QString& text)
{
    if (ActiveStoreBrowser()) {
        m_controls.statusBar->setPanelText(text);
    }
}

void StoreBrowsing::WebBrowser1_ProgressChange(int, int, int)
{
    if (const WebBrowser* active = ActiveStoreBrowser()) {
        m_controls.addressBox->setEditText(active->LocationURL());
    }
}

void StoreBrowsing::Text1_KeyDown(int keyCode)
{
    if (isEnter(keyCode)) {
        m_controls.findIt->click();
    }
    OpenStoreTabs();
}

void StoreBrowsing::Combo1_KeyDown(int keyCode)
{
    if (isEnter(keyCode)) {
        Command22_Click();
    }
}

// The window's shortcuts (F1, F5, Esc, ...) take their keys before the search box sees them, but
// every key is first offered to the focused box as a shortcut override, which is left unaccepted
// so the shortcut still runs. The key press that follows, if no shortcut took the key, is the same
// key and is not handled again.
void StoreBrowsing::searchBoxKeyEvent(const QKeyEvent& event)
{
    const QKeyCombination key = event.keyCombination();
    switch (event.type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
        if (key != m_searchKeyHandled) {
            m_searchKeyHandled = key;
            Text1_KeyDown(key.key());
        }
        break;
    case QEvent::KeyRelease:
        m_searchKeyHandled = {};
        break;
    default:
        break;
    }
}

bool StoreBrowsing::eventFilter(QObject* watched, QEvent* event)
{
    const auto* key = dynamic_cast<const QKeyEvent*>(event);
    if (key && watched == m_controls.searchBox) {
        searchBoxKeyEvent(*key);
    } else if (key && watched == m_controls.addressBox && event->type() == QEvent::KeyPress) {
        Combo1_KeyDown(key->key());
    }
    return QObject::eventFilter(watched, event);
}
