#include "CollectionTab.h"

#include "app/WindowLayout.h"
#include "data/ColumnSort.h"
#include "data/DataFiles.h"
#include "data/Program.h"
#include "lists/EntryPanel.h"
#include "lists/ListViewTransfer.h"
#include "platform/CommonDialog.h"
#include "platform/Controls.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "platform/PictureLoader.h"
#include "platform/TabControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int PicturePathColumn = 8;

// Dark purple on white, the collection's own colours.
void paintCollectionColours(ListView* list)
{
    QPalette colours = list->palette();
    colours.setColor(QPalette::Text, QColor(64, 0, 64));
    colours.setColor(QPalette::Base, Qt::white);
    list->setPalette(colours);
}

} // namespace

QVector<ListColumn> CollectionTab::Columns()
{
    return {{QStringLiteral("Card Name"), 2500},
            {QStringLiteral("Card#"), 940},
            {QStringLiteral("Quantity"), 840},
            {QStringLiteral("Edition"), 940},
            {QStringLiteral("Condition"), 940},
            {QStringLiteral("Card Type"), 1440},
            {QStringLiteral("Card Value"), 1040},
            {QStringLiteral("Total Value"), 1040},
            {QString(), 40}};
}

CollectionTab::CollectionTab(FileChooser& fileChooser, MessageBox& messages, DataFiles& files,
                             QWidget* parent)
    : ListTabPage(parent)
    , ListView3(new ListView(QStringLiteral("ListView3"), Columns()))
    , Frame1(Controls::frame(this, QStringLiteral("Frame1"),
                             TabControl::pagePlace({120, 360, 2655, 6495})))
    , Picture1(new PictureBox(QStringLiteral("Picture1"), tr("No card picture"), this))
    , Text18(Controls::textBox(this, QStringLiteral("Text18"), {}))
    , CommonDialog1(new CommonDialog(QStringLiteral("CommonDialog1"), fileChooser, this))
    , m_messages(messages)
    , m_files(files)
{
    paintCollectionColours(ListView3);
    Controls::place(ListView3, TabControl::pagePlace({3000, 480, 8655, 3015}));
    ListView3->setAccessibleName(caption());
    ColumnSort::sortOnHeadingClicks(*ListView3);
    connect(ListView3, &ListView::DblClick, this, &CollectionTab::ListView3_DblClick);

    buildEntryPanel();
    // Placed after the panel, which stands left of it, so that the keyboard reaches it last.
    ListView3->setParent(this);

    Controls::place(Picture1, TabControl::pagePlace({6240, 3600, 2775, 3495}));
    Text18->setAccessibleName(tr("Picture file"));
    Text18->hide();
    CommonDialog1->setFilter(QStringLiteral("All files|*.*"));
    m_transfer = std::make_unique<ListViewTransfer>(*ListView3, caption(), tr("Picture"));
}

CollectionTab::~CollectionTab() = default;

QString CollectionTab::caption()
{
    return tr("My Collection");
}

void CollectionTab::fillInDefaultRarity()
{
    Text19->setText(QStringLiteral("COMMON"));
}

void CollectionTab::readFiles()
{
    m_entries->Read();
}

TransferableList& CollectionTab::transferableList()
{
    return *m_transfer;
}

void CollectionTab::followWindowSize(const WindowGeometry& g)
{
    Controls::resize(ListView3, g.collectionListWidth, g.collectionListHeight);
    if (g.compact) {
        return;
    }
    Controls::setTop(Picture1, TabControl::pageTop(g.pictureTop));
    Controls::setHeight(Picture1, g.pictureHeight);
}

void CollectionTab::buildEntryPanel()
{
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

    const auto button = [this](const char* name, const char* caption, const char* toolTip, int top,
                               void (CollectionTab::*handler)()) {
        QPushButton* control = Controls::button(Frame1, QLatin1String(name), QLatin1String(caption),
                                                QLatin1String(toolTip), {600, top, 1455, 375});
        connect(control, &QPushButton::clicked, this, handler);
        return control;
    };
    Command29 = button("Command29", "ADD PICTURE", "Add picture to flie.", 3720,
                       &CollectionTab::Command29_Click);
    Command2 =
        button("Command2", "ADD ALL", "Add all information.", 4200, &CollectionTab::Command2_Click);
    Command3 = button("Command3", "DELETE", "Delete line", 4680, &CollectionTab::Command3_Click);
    Command4 =
        button("Command4", "EDIT", "Edit selected line", 5160, &CollectionTab::Command4_Click);
    Command12 = button("Command12", "CLEAR", "Clear information boxes.", 5600,
                       &CollectionTab::Command12_Click);
    Command13 =
        button("Command13", "SAVE", "Save information.", 6040, &CollectionTab::Command13_Click);

    Text19 = box("Text19", "Label6", "CARD RARITY", {600, 2640, 1215, 315});
    Controls::deleteKeyOn(ListView3, Command3);

    // Name, card#, quantity, edition, condition, rarity, card value, total value, picture path;
    // CLEAR leaves the rarity for the next card.
    m_entries = std::make_unique<EntryPanel>(
        *ListView3,
        EntryPanel::Boxes{{Text2, Text3, Text4, Text5, Text6, Text19, Text13, Text14, Text18},
                          {Text2, Text3, Text4, Text5, Text6, Text13, Text14, Text18}},
        QLatin1String(Program::CollectionFile), m_files);
}

void CollectionTab::Command2_Click()
{
    m_entries->Add();
}

void CollectionTab::Command4_Click()
{
    m_messages.show(this, QLatin1String(Program::EditReminderTitle),
                    QStringLiteral("Please press ADD ALL button after editing."),
                    MessageBox::Icon::None);
    const int selected = ListView3->selectedRow();
    if (selected < 0) {
        return;
    }
    const QVector<QLineEdit*>& boxes = m_entries->boxesInColumnOrder();
    for (int column = 0; column < boxes.size(); ++column) {
        boxes.at(column)->setText(ListView3->cellText(selected, column));
    }
    ListView3->removeSelectedRow();
}

void CollectionTab::Command3_Click()
{
    m_entries->Delete();
}

void CollectionTab::Command12_Click()
{
    m_entries->Clear();
}

void CollectionTab::Command13_Click()
{
    m_entries->Save();
}

void CollectionTab::Command29_Click()
{
    Text18->clear();
    CommonDialog1->ShowOpen();
    const QString fileName = CommonDialog1->FileName();
    if (fileName.isEmpty()) {
        return;
    }
    const PictureLoader::Loaded loaded = PictureLoader::load(fileName, pictureArea());
    if (loaded.picture.isNull()) {
        const QString problem =
            loaded.tooLarge.isValid()
                ? tr("The picture %1 is too large to be shown: %2 × %3 pixels.")
                      .arg(fileName)
                      .arg(loaded.tooLarge.width())
                      .arg(loaded.tooLarge.height())
                : tr("The file %1 could not be shown as a picture.").arg(fileName);
        m_messages.show(this, QLatin1String(Program::WindowTitle),
                        problem + tr("\n\nThe card keeps no picture; choose a picture file with "
                                     "ADD PICTURE."),
                        MessageBox::Icon::Warning);
        return;
    }
    Picture1->setPicture(loaded.picture, fileName);
    Text18->setText(fileName);
}

QSize CollectionTab::pictureArea() const
{
    // The window's layout may enlarge the picture box, never beyond its screen.
    return Picture1->screen()->size();
}

void CollectionTab::ListView3_DblClick()
{
    const int selected = ListView3->selectedRow();
    if (selected < 0) {
        return;
    }
    const QString picturePath = ListView3->cellText(selected, PicturePathColumn);
    if (ListView3->cellText(selected, 0).isEmpty()) {
        return;
    }
    if (picturePath.isEmpty()) {
        Picture1->clear();
        return;
    }
    const QImage picture = PictureLoader::load(picturePath, pictureArea()).picture;
    if (!picture.isNull()) {
        Picture1->setPicture(picture, picturePath);
    }
}
