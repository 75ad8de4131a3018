#include "CollectionTab.h"

#include "platform/CommonDialog.h"
#include "platform/Controls.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"
#include "platform/TabControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

// Dark purple on white, the collection's own colours.
void paintCollectionColours(ListView* list)
{
    QPalette colours = list->palette();
    colours.setColor(QPalette::Text, QColor(64, 0, 64));
    colours.setColor(QPalette::Base, Qt::white);
    list->setPalette(colours);
}

} // namespace

CollectionTab::CollectionTab(FileChooser& fileChooser, QWidget* parent)
    : QWidget(parent), ListView3(new ListView(QStringLiteral("ListView3"),
                                              {{QStringLiteral("Card Name"), 2500},
                                               {QStringLiteral("Card#"), 940},
                                               {QStringLiteral("Quantity"), 840},
                                               {QStringLiteral("Edition"), 940},
                                               {QStringLiteral("Condition"), 940},
                                               {QStringLiteral("Card Type"), 1440},
                                               {QStringLiteral("Card Value"), 1040},
                                               {QStringLiteral("Total Value"), 1040},
                                               {QString(), 40}},
                                              this)),
      Frame1(Controls::frame(this, QStringLiteral("Frame1"),
                             TabControl::pagePlace({120, 360, 2655, 6495}))),
      Picture1(new PictureBox(QStringLiteral("Picture1"), this)), Text18(new QLineEdit(this)),
      CommonDialog1(new CommonDialog(QStringLiteral("CommonDialog1"), fileChooser, this))
{
    ListView3->setAccessibleName(tr("Card collection"));
    paintCollectionColours(ListView3);
    Controls::place(ListView3, TabControl::pagePlace({3000, 480, 8655, 3015}));

    // Created in the order the keyboard focus moves through the panel: the rarity box comes last.
    const auto box = [this](const char* name, const char* labelName, const char* caption,
                            Controls::Place boxPlace) {
        QLineEdit* entry = Controls::textBox(Frame1, QLatin1String(name), boxPlace);
        // Captions may run a little past their box, as "TOTAL VALUE" does.
        Controls::label(Frame1, QLatin1String(labelName), QLatin1String(caption),
                        {boxPlace.left, boxPlace.top - 240, std::max(boxPlace.width, 1395), 240},
                        entry);
        return entry;
    };
    Text2 = box("Text2", "Label1", "NAME", {40, 360, 2535, 315});
    Text3 = box("Text3", "Label2", "CARD#", {40, 1080, 1095, 315});
    Text4 = box("Text4", "Label3", "QUANTITY", {1440, 1080, 1095, 315});
    Text5 = box("Text5", "Label4", "EDITION", {40, 1920, 1095, 315});
    Text6 = box("Text6", "Label5", "CONDITION", {1440, 1920, 1095, 315});
    Text13 = box("Text13", "Label8", "CARD VALUE", {40, 3360, 1095, 315});
    Text14 = box("Text14", "Label9", "TOTAL VALUE", {1440, 3360, 1095, 315});

    const auto button = [this](const char* name, const char* caption, const char* toolTip,
                               int top) {
        return Controls::button(Frame1, QLatin1String(name), QLatin1String(caption),
                                QLatin1String(toolTip), {600, top, 1455, 375});
    };
    Command29 = button("Command29", "ADD PICTURE", "Add picture to flie.", 3720);
    Command2 = button("Command2", "ADD ALL", "Add all information.", 4200);
    Command3 = button("Command3", "DELETE", "Delete line", 4680);
    Command4 = button("Command4", "EDIT", "Edit selected line", 5160);
    Command12 = button("Command12", "CLEAR", "Clear information boxes.", 5600);
    Command13 = button("Command13", "SAVE", "Save information.", 6040);

    Text19 = box("Text19", "Label6", "CARD RARITY", {600, 2640, 1215, 315});

    Picture1->setAccessibleName(tr("Card picture"));
    Controls::place(Picture1, TabControl::pagePlace({6240, 3600, 2775, 3495}));
    Text18->setObjectName(QStringLiteral("Text18"));
    Text18->setAccessibleName(tr("Picture file"));
    Text18->hide();
    CommonDialog1->setFilter(QStringLiteral("All files|*.*"));
}
