#include "TradeWishTab.h"

#include "CardListHalf.h"
#include "app/WindowLayout.h"
#include "data/Program.h"
#include "platform/Controls.h"
#include "platform/ListBox.h"
#include "platform/TabControl.h"
#include "print/ListPrintouts.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

void colour(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

QLabel* heading(QWidget* parent, const QString& name, const QString& caption, int left)
{
    QLabel* label =
        Controls::label(parent, name, caption, TabControl::pagePlace({left, 480, 4200, 495}));
    QFont font(QStringLiteral("MS Sans Serif"), 24);
    label->setFont(font);
    colour(label, QPalette::WindowText, QColor(0, 0, 192));
    return label;
}

ListBox* cardList(QWidget* parent, const QString& name, const QString& spokenName, int left)
{
    auto* list = new ListBox(name, parent);
    list->setAccessibleName(spokenName);
    colour(list, QPalette::Base, QColor(255, 224, 192));
    Controls::place(list, {left, 120, 5535, 4740});
    return list;
}

QPlainTextEdit* entryBox(QWidget* parent, const QString& name, const QString& spokenName, int left)
{
    QPlainTextEdit* box = Controls::multiLineTextBox(parent, name, {left, 4920, 5535, 375});
    box->setAccessibleName(spokenName);
    colour(box, QPalette::Base, QColor(255, 255, 192));
    return box;
}

} // namespace

TradeWishTab::TradeWishTab(DataFiles& files, ListPrintouts& printouts, QWidget* parent)
    : ListTabPage(parent)
    , Label7(heading(this, QStringLiteral("Label7"), QStringLiteral("Cards to Trade"), 1440))
    , Label10(heading(this, QStringLiteral("Label10"), QStringLiteral("My Wish List"), 7560))
    , Frame5(Controls::frame(this, QStringLiteral("Frame5"),
                             TabControl::pagePlace({120, 960, 11415, 5415})))
    , Frame4(Controls::frame(this, QStringLiteral("Frame4"),
                             TabControl::pagePlace({120, 6360, 11295, 975})))
    , List1(cardList(Frame5, QStringLiteral("List1"), tr("Cards to Trade"), 120))
    , List2(cardList(Frame5, QStringLiteral("List2"), tr("My Wish List"), 5760))
{
    Text11 = entryBox(Frame5, QStringLiteral("Text11"), tr("Card to trade"), 120);
    Text12 = entryBox(Frame5, QStringLiteral("Text12"), tr("Card wished for"), 5760);
    // Focus moves down the trade column first, then the wish column.
    setTabOrder(List1, Text11);
    setTabOrder(Text11, List2);
    setTabOrder(List2, Text12);

    const auto button = [this](const char* name, const char* caption, int left) {
        return Controls::button(Frame4, QLatin1String(name), QLatin1String(caption), QString(),
                                {left, 360, 1095, 375});
    };
    Command14 = button("Command14", "ADD", 120);
    Command15 = button("Command15", "DELETE", 1320);
    Command25 = button("Command25", "SAVE", 2520);
    Command26 = button("Command26", "PRINT", 3720);
    Command20 = button("Command20", "ADD", 5760);
    Command23 = button("Command23", "DELETE", 7080);
    Command28 = button("Command28", "SAVE", 8640);
    Command27 = button("Command27", "PRINT", 9840);

    trade = new CardListHalf({List1, Text11, Command14, Command15, Command25}, Label7->text(),
                             QLatin1String(Program::TradeFile), files, this);
    wish = new CardListHalf({List2, Text12, Command20, Command23, Command28}, Label10->text(),
                            QLatin1String(Program::WishFile), files, this);
    m_inFront = trade;
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (CardListHalf* half : {trade, wish}) {
            if (half->owns(now)) {
                m_inFront = half;
            }
        }
    });
    Controls::deleteKeyOn(List1, Command15);
    Controls::deleteKeyOn(List2, Command23);
    connect(Command26, &QPushButton::clicked, this, [this, &printouts] {
        printouts.printEntries(QStringLiteral("CARDS TO TRADE"), *List1);
    });
    connect(Command27, &QPushButton::clicked, this,
            [this, &printouts] { printouts.printEntries(QStringLiteral("MY WISH LIST"), *List2); });
}

// Focus moves as the children go, after the halves may have gone.
TradeWishTab::~TradeWishTab()
{
    disconnect(m_focusWatch);
}

QString TradeWishTab::caption()
{
    return tr("Trade/Wish");
}

void TradeWishTab::readFiles()
{
    trade->Read();
    wish->Read();
}

TransferableList& TradeWishTab::transferableList()
{
    return *m_inFront;
}

void TradeWishTab::followWindowSize(const WindowGeometry& g)
{
    if (g.compact) {
        return;
    }
    Controls::setHeight(Frame5, g.tradeWishFrameHeight);
    Controls::setTop(Frame4, TabControl::pageTop(g.tradeWishButtonsTop));
    Controls::setHeight(List1, g.tradeListHeight);
    Controls::setHeight(List2, g.wishListHeight);
    Controls::setTop(Text11, g.tradeEntryTop);
    Controls::setTop(Text12, g.wishEntryTop);
}
