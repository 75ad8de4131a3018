#pragma once

#include "TestDoubles.h"
#include "browse/StorePages.h"
#include "data/DataFiles.h"
#include "lists/collection/CollectionTab.h"
#include "lists/pricecheck/PriceCheckTab.h"
#include "lists/tracker/TrackerTab.h"
#include "lists/tradewish/TradeWishTab.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/Twips.h"
#include "print/ListPrintouts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <type_traits>

// In the place of the store browsers: every store shows the page set here; Display's address is
// kept.
class StorePagesDouble : public StorePages
{
public:
    QString activePageTitle() const override { return title; }
    QString activePageAddress() const override { return address; }
    void showInFirstStore(const QString& shown) override { displayed.append(shown); }

    QString title, address;
    QStringList displayed;
};

// One list tab built alone on a data folder, without the main window and its browsers, with
// doubles for the desktop and the stores; it has read its files and is shown at its tab's size.
template <class Tab> class ListTab
{
public:
    explicit ListTab(const QString& folder)
        : files(folder, desktop.messages)
        , tab(build())
    {
        if constexpr (std::is_same_v<Tab, CollectionTab>) {
            tab->fillInDefaultRarity();
        }
        tab->readFiles();
        tab->resize(Twips::toPixels(12855), Twips::toPixels(7560));
        tab->show();
        static_cast<void>(QTest::qWaitForWindowExposed(tab.get()));
    }

    template <class C> C* find(const QString& name) { return tab->template findChild<C*>(name); }
    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    // Types over the box's text, as a person who selects it all first.
    void type(const QString& box, const QString& text)
    {
        find<QLineEdit>(box)->clear();
        QTest::keyClicks(find<QLineEdit>(box), text);
    }
    QVector<QStringList> rows(const QString& list) { return find<ListView>(list)->rows().rows(); }
    QStringList entries(const QString& list) { return find<ListBox>(list)->entries().entries(); }

    TestDesktop desktop;
    PlatformServices services = desktop.services();
    DataFiles files;
    ListPrintouts printouts{services, nullptr};
    StorePagesDouble stores;
    std::unique_ptr<Tab> tab;

private:
    std::unique_ptr<Tab> build()
    {
        if constexpr (std::is_same_v<Tab, TrackerTab>) {
            return std::make_unique<Tab>(files, stores, printouts);
        } else if constexpr (std::is_same_v<Tab, TradeWishTab>) {
            return std::make_unique<Tab>(files, printouts);
        } else if constexpr (std::is_same_v<Tab, CollectionTab>) {
            return std::make_unique<Tab>(desktop.files, desktop.messages, files);
        } else {
            return std::make_unique<Tab>(files);
        }
    }
};
