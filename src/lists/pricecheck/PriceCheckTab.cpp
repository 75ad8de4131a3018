#include "PriceCheckTab.h"

#include "data/DataFiles.h"
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

const QString PriceCheckFile = QStringLiteral("file5.dtt");

const EntryField Fields[] = {
    {"Text7", "Label11", "CARD NAME"},       {"Text8", "Label12", "eBay Starting Bid"},
    {"Text9", "Label13", "eBay Ending Bid"}, {"Text10", "Label14", "Games and Cards"},
    {"Text15", "Label15", "Troll and Toad"}, {"Text16", "Label17", "Magic Singles"},
    {"Text17", "Label18", "MY PRICE"},
};

} // namespace

PriceCheckTab::PriceCheckTab(DataFiles& files, QWidget* parent)
    : QWidget(parent)
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
    , m_files(files)
{
    Controls::place(ListView2, TabControl::pagePlace({120, 480, 13150, 3800}));

    int left = 120;
    for (const EntryField& field : Fields) {
        QLineEdit* box =
            Controls::textBox(Frame2, QLatin1String(field.box), {left, 480, 1695, 315});
        Controls::label(Frame2, QLatin1String(field.label), QLatin1String(field.caption),
                        {left, 240, 1695, 240}, box);
        entryBoxes.append(box);
        left += 1860;
    }
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
}

void PriceCheckTab::Command8_Click()
{
    QStringList cells;
    for (const QLineEdit* box : std::as_const(entryBoxes)) {
        cells.append(box->text());
    }
    ListView2->rows().appendRow(cells);
}

void PriceCheckTab::Command9_Click()
{
    ListView2->removeSelectedRow();
}

void PriceCheckTab::Command24_Click()
{
    for (QLineEdit* box : std::as_const(entryBoxes)) {
        box->clear();
    }
}

void PriceCheckTab::Command10_Click()
{
    m_files.WriteLineFile(*ListView2, PriceCheckFile);
}
