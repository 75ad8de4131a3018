#include "PriceCheckTab.h"

#include "app/WindowLayout.h"
#include "data/ColumnSort.h"
#include "data/Program.h"
#include "lists/EntryPanel.h"
#include "lists/ListViewTransfer.h"
#include "platform/Controls.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct EntryField
{
    const char* box;
    const char* label;
    const char* caption;
};

const EntryField Fields[] = {
    {"Text7", "Label11", "CARD NAME"},       {"Text8", "Label12", "eBay Starting Bid"},
    {"Text9", "Label13", "eBay Ending Bid"}, {"Text10", "Label14", "Games and Cards"},
    {"Text15", "Label15", "Troll and Toad"}, {"Text16", "Label17", "Magic Singles"},
    {"Text17", "Label18", "MY PRICE"},
};

} // namespace

PriceCheckTab::PriceCheckTab(DataFiles& files, QWidget* parent)
    : ListTabPage(parent)
    , ListView2(new ListView(QStringLiteral("ListView2"),
                             {{QStringLiteral("CARD NAME"), 4440},
                              {QStringLiteral("Ebay Starting Bid"), 1540},
                              {QStringLiteral("Ebay Ending Bid"), 1540},
                              {QStringLiteral("Games and Cards"), 1240},
                              {QStringLiteral("Troll and Toad"), 1240},
                              {QStringLiteral("Magic Singles"), 1240},
                              {QStringLiteral("MY PRICE"), 1240}},
                             this))
    , Frame2(Controls::frame(this, QStringLiteral("Frame2"),
                             TabControl::pagePlace({120, 4850, 13080, 1455})))
    , Label16(Controls::label(this, QStringLiteral("Label16"), QString(),
                              TabControl::pagePlace({120, 360, 4000, 120})))
{
    Controls::place(ListView2, TabControl::pagePlace({120, 480, 13150, 3800}));
    ListView2->setAccessibleName(caption());
    ColumnSort::sortOnHeadingClicks(*ListView2);

    // Text7, Text8, Text9, Text10, Text15, Text16, Text17: one box per column, in column order.
    QVector<QLineEdit*> boxes;
    int left = 120;
    for (const EntryField& field : Fields) {
        QLineEdit* box =
            Controls::textBox(Frame2, QLatin1String(field.box), {left, 480, 1695, 315});
        Controls::label(Frame2, QLatin1String(field.label), QLatin1String(field.caption),
                        {left, 240, 1695, 240}, box);
        boxes.append(box);
        left += 1860;
    }
    m_entries = std::make_unique<EntryPanel>(*ListView2, EntryPanel::Boxes{boxes, boxes},
                                             QLatin1String(Program::PriceCheckFile), files);

    Command8 = Controls::button(Frame2, QStringLiteral("Command8"), QStringLiteral("ADD"),
                                QStringLiteral("Add card information."), {120, 960, 1215, 375});
    Command9 = Controls::button(Frame2, QStringLiteral("Command9"), QStringLiteral("DELETE"),
                                QStringLiteral("Delete Line"), {1440, 960, 1215, 375});
    Command24 = Controls::button(Frame2, QStringLiteral("Command24"), QStringLiteral("CLEAR"),
                                 QString(), {2760, 960, 1215, 375});
    Command10 = Controls::button(Frame2, QStringLiteral("Command10"), QStringLiteral("SAVE"),
                                 QStringLiteral("Save all information."), {4080, 960, 1215, 375});
    connect(Command8, &QPushButton::clicked, this, &PriceCheckTab::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &PriceCheckTab::Command9_Click);
    connect(Command24, &QPushButton::clicked, this, &PriceCheckTab::Command24_Click);
    connect(Command10, &QPushButton::clicked, this, &PriceCheckTab::Command10_Click);
    Controls::deleteKeyOn(ListView2, Command9);
    m_transfer = std::make_unique<ListViewTransfer>(*ListView2, caption(), QString());
}

PriceCheckTab::~PriceCheckTab() = default;

QString PriceCheckTab::caption()
{
    return tr("Price Check");
}

void PriceCheckTab::readFiles()
{
    m_entries->Read();
}

TransferableList& PriceCheckTab::transferableList()
{
    return *m_transfer;
}

void PriceCheckTab::followWindowSize(const WindowGeometry& g)
{
    if (g.compact) {
        return;
    }
    Controls::resize(ListView2, g.priceListWidth, g.priceListHeight);
    Controls::setTop(Frame2, TabControl::pageTop(g.priceFrameTop));
}

void PriceCheckTab::Command8_Click()
{
    m_entries->Add();
}

void PriceCheckTab::Command9_Click()
{
    m_entries->Delete();
}

void PriceCheckTab::Command24_Click()
{
    m_entries->Clear();
}

void PriceCheckTab::Command10_Click()
{
    m_entries->Save();
}
