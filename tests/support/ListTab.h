#pragma once

#include "TestDoubles.h"
#include "TestFiles.h"
#include "browse/StorePages.h"
#include "data/DataFiles.h"
#include "data/Program.h"
#include "lists/collection/CollectionTab.h"
#include "lists/pricecheck/PriceCheckTab.h"
#include "lists/tracker/TrackerTab.h"
#include "lists/tradewish/TradeWishTab.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/Twips.h"
#include "print/ListPrintouts.h"

#include <QClipboard>
#include <QPushButton>
#include <QtTest>

// A list view's plain-line file: every cell of every row, in order, each followed by CR LF.
inline QByteArray lineFile(const Rows& rows)
{
    QStringList lines;
    for (const QStringList& row : rows)
        lines += row;
    return crlf(lines);
}

// In the place of the store browsers: no store page in front; the addresses sent to the first
// store are kept.
class StorePagesDouble : public StorePages
{
public:
    QString activePageTitle() const override { return {}; }
    QString activePageAddress() const override { return {}; }
    void showInFirstStore(const QString& shown) override { displayed.append(shown); }

    QStringList displayed;
};

// One list tab built alone on a data folder, without the main window and its browsers, with
// doubles for the desktop and the stores; it has read its files and is shown at its tab's size.
class ListTab
{
public:
    ListTab(const QString& folder, Program::TabIndex index)
        : files(folder, desktop.messages)
        , tab(build(index))
    {
        tab->readFiles();
        tab->resize(Twips::toPixels(12855), Twips::toPixels(7560));
        tab->show();
        static_cast<void>(QTest::qWaitForWindowActive(tab.get()));
    }

    template <class C = QWidget> C* find(const QString& name) { return tab->findChild<C*>(name); }
    void click(const QString& button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    // Clicks into the box, selects its text and pastes over it.
    void paste(const QString& box, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::mouseClick(find(box), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    }
    // Clicks on a row of a list view or an entry of a list box.
    void clickRow(const QString& list, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        auto* view = find<QAbstractItemView>(list);
        const QRect place = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), button, {}, place.center());
    }
    Rows rows(const QString& list) { return find<ListView>(list)->rows().rows(); }
    QStringList entries(const QString& list) { return find<ListBox>(list)->entries().entries(); }

    TestDesktop desktop;
    PlatformServices services = desktop.services();
    DataFiles files;
    ListPrintouts printouts{services, nullptr};
    StorePagesDouble stores;
    std::unique_ptr<ListTabPage> tab;

private:
    std::unique_ptr<ListTabPage> build(Program::TabIndex index)
    {
        switch (index) {
        case Program::TrackerTabIndex:
            return std::make_unique<TrackerTab>(files, stores, printouts);
        case Program::PriceCheckTabIndex:
            return std::make_unique<PriceCheckTab>(files);
        case Program::CollectionTabIndex: {
            auto collection =
                std::make_unique<CollectionTab>(desktop.files, desktop.messages, files);
            collection->fillInDefaultRarity();
            return collection;
        }
        default:
            return std::make_unique<TradeWishTab>(files, printouts);
        }
    }
};
