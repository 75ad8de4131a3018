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
    m_controls.addressBox->lineEdit()->installEventFilter(this);
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

bool StoreBrowsing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_controls.searchBox) {
            Text1_KeyDown(key);
        } else if (watched == m_controls.addressBox->lineEdit()) {
            Combo1_KeyDown(key);
        }
    }
    return QObject::eventFilter(watched, event);
}
