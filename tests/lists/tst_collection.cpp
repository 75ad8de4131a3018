#include "ListsWindow.h"
#include "TestMain.h"
#include "platform/PictureBox.h"

#include <QImageReader>

namespace {

const QStringList Boxes{"Text2",  "Text3",  "Text4",  "Text5", "Text6",
                        "Text19", "Text13", "Text14", "Text18"};
const QHash<QString, QString> Buttons{
    {"ADD ALL", "Command2"}, {"DELETE", "Command3"}, {"EDIT", "Command4"}, {"CLEAR", "Command12"}};

// A different colour in every pixel, so that a scaled or moved drawing shows.
QImage pattern(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i)
        picture.setPixel(i % width, i / width, qRgb(i % 251, i / 251 % 251, i / 63001 * 40));
    return picture;
}

} // namespace

class CollectionTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_folder; // the data files and the pictures
    QTemporaryDir m_photo;                   // a 108-megapixel JPEG, made once
    QString at() const { return m_folder->path() + '/'; }
    QString picture(const QString& name) const { return at() + name; }
    QString file() const { return at() + "file2.dtt"; }
    QByteArray bytes(QString s) const { return s.replace('|', "\r\n").replace('@', at()).toUtf8(); }

    // Also "double-click N", and "choose NAME" or "cancel" to answer ADD PICTURE's file dialog.
    void run(ListsWindow& window, const QStringList& steps)
    {
        auto* view = window.find<ListView>("ListView3");
        for (const QString& step : steps) {
            if (step.startsWith("double-click ")) {
                const QRect cell = view->visualRect(view->rows().index(step.mid(13).toInt(), 0));
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
            } else if (step.startsWith("choose ") || step == "cancel") {
                window.desktop.files.nextAnswers << (step == "cancel" ? "" : picture(step.mid(7)));
                window.click("Command29");
            } else {
                window.run({step}, Buttons, "ListView3");
            }
        }
    }

private slots:
    void initTestCase()
    {
        QImage photo(12000, 9000, QImage::Format_Grayscale8);
        for (int y = 0; y < photo.height(); ++y)
            memset(photo.scanLine(y), y % 256, size_t(photo.width()));
        QVERIFY(photo.save(m_photo.filePath("huge.jpg"), "jpeg", 50));
    }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(pattern(8, 4).save(picture("a.png")) && pattern(9, 5).save(picture("b.png")) &&
                pattern(4, 9).save(picture("c.png")) && pattern(900, 900).save(picture("big.png")));
        QVERIFY(QFile::copy(picture("big.png"), picture("bad-half")) &&
                QFile::resize(picture("bad-half"), 999));
        writeFile(picture("bad-text"), "Serra Angel, Alpha\r\n");
        writeFile(picture("bad-huge"), QByteArray::fromHex("474946383961 50c350c3000000 2c00000000 "
                                                           "50c350c3000202440100 3b"));
        // Qt decodes these cut-off files in part and calls that a success.
        const QByteArray gif = QByteArray::fromHex("474946383961 01000100800000 000000ffffff "
                                                   "2c00000000010001000002024401 003b");
        writeFile(picture("ok.gif"), gif);
        writeFile(picture("bad-gif"), gif.chopped(3));
        for (const char* format : {"jpg", "bmp"}) {
            const QString good = picture(QString("ok.") + format), bad = picture("bad-") + format;
            QVERIFY(pattern(300, 300).save(good) && QFile::copy(good, bad) &&
                    QFile::resize(bad, QFileInfo(good).size() * 2 / 3));
            QVERIFY(!QImage(bad).isNull());
        }
        QVERIFY(!QImage(picture("bad-gif")).isNull());
        QFile trailed(picture("ok.jpg")); // as a phone's motion photo, with more after the end
        QVERIFY(trailed.open(QIODevice::Append) && trailed.write(QByteArray(99, '\xD9')) == 99);
        trailed.close();
        writeFile(picture("bad-empty"), "");
        QVERIFY(QDir().mkdir(picture("bad-folder")));
        QCOMPARE(QImageReader(picture("bad-half")).size(), QSize(900, 900)); // header intact
        QCOMPARE(QImageReader(picture("bad-huge")).size(), QSize(50000, 50000));
        QVERIFY(QFile::link(m_photo.filePath("huge.jpg"), picture("huge.jpg")));
    }

    // ";" separates the steps; in the boxes and files "|" ends a line, "@" is the picture folder.
    void sequences_data()
    {
        for (const char* column : {"before", "steps", "boxes", "shown", "saved"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char* name, const QString& before, const QString& steps,
                            const QString& boxes, const QString& shown, const QString& saved) {
            QTest::newRow(name) << before << steps << boxes << shown << saved;
        };
        const QString serra = "Serra Angel|12|1|Alpha|Near Mint|UNCOMMON|$40|$40|/cards/serra.png|";
        const QString walk = "Time Walk|83|2|Beta|Played|RARE|1000|2000||";
        const QString lotus = "Black Lotus|232|1|Alpha|Mint|RARE|9000|9000||";
        const QString four = "Card A|1||||RARE|||@a.png||2||||RARE|||@b.png|"
                             "Plain|3||||RARE||||Gone|4||||RARE|||@gone.png|";
        const QString none = "|||||COMMON|||",
                      typed = " Serra Angel, Alpha |12|x3|Beta|Near Mint |rare|abc|12,50|";
        row("values kept as typed; ADD ALL twice gives equal rows", "",
            "Text2= Serra Angel, Alpha ;Text3=12;Text4=x3;Text5=Beta;Text6=Near Mint "
            ";Text19=rare;Text13=abc;Text14=12,50;ADD ALL;ADD ALL",
            typed, "", typed + '|' + typed + '|');
        row("EDIT, ADD ALL: through the boxes to the end", serra + walk + lotus,
            "select 0;EDIT;ADD ALL", serra.chopped(1), "", walk + lotus + serra);
        row("EDIT, CLEAR: card lost, rarity and list kept", serra + walk, "select 0;EDIT;CLEAR",
            "|||||UNCOMMON|||", "", walk);
        row("Cancel first; EDIT, DELETE unselected; DELETE", serra + walk + lotus,
            "cancel;EDIT;DELETE;select 1;DELETE", none, "", serra + lotus);
        row("Cancel after CLEAR", "", "choose a.png;choose b.png;CLEAR;cancel", none + "@b.png",
            "b.png", "");
        row("ADD ALL, CLEAR", "", "Text2=Mox;choose a.png;ADD ALL;CLEAR", none, "a.png",
            "Mox" + none + "@a.png|");
        row("EDIT, ADD ALL keeps the path", "",
            "Text2=Mox;choose b.png;ADD ALL;CLEAR;choose a.png;CLEAR;select 0;EDIT;ADD ALL",
            "Mox" + none + "@b.png", "a.png", "Mox" + none + "@b.png|");
        row("large picture; DELETE of the last row", lotus, "choose big.png;select 0;DELETE",
            none + "@big.png", "big.png", "");
        // Only a double-click on a named row whose picture can be read shows another picture.
        row("double-clicks", four,
            "choose c.png;double-click 0;double-click 1;double-click 3;select 2", none + "@c.png",
            "a.png", four);
        row("double-click, no path", four, "choose c.png;double-click 2", none + "@c.png", "",
            four);
        row("JPEG, BMP and GIF", "", "choose ok.jpg;choose ok.bmp;choose ok.gif", none + "@ok.gif",
            "ok.gif", "");
        // A file that cannot be shown leaves the earlier picture. Double-click loads through the
        // same loader as ADD PICTURE, so one bad file tells that it keeps the picture too.
        for (const QString bad : {"text", "half", "huge", "jpg", "bmp", "gif", "empty", "folder"})
            row(qPrintable("ADD PICTURE: " + bad), "",
                "choose a.png;choose bad-" + bad + ";ADD ALL", none, "a.png", none + '|');
        const QString huge = "Huge|1||||RARE|||@huge.jpg|";
        row("108-megapixel photo, ADD PICTURE", "", "choose huge.jpg", none + "@huge.jpg",
            "huge.jpg", "");
        row("108-megapixel photo, double-click", huge, "double-click 0", none, "huge.jpg", huge);
        const QString x = QString(100000, 'x'), longRow = QStringList(9, x).join('|') + '|';
        row("EDIT, ADD ALL keeps 100,000 characters", longRow, "select 0;EDIT;ADD ALL",
            longRow.chopped(1), "", longRow);
        const QString goodBad = "Good|1||||RARE|||@a.png|Bad|2||||RARE|||@bad-half|";
        row("double-click: bad picture", goodBad, "double-click 0;double-click 1", none, "a.png",
            goodBad);
    }

    void sequences()
    {
        QFETCH(QString, before);
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(QString, shown);
        QFETCH(QString, saved);
        if (!before.isEmpty())
            writeFile(file(), bytes(before));
        ListsWindow window(m_folder->path(), Program::CollectionTabIndex);
        auto* box = window.find<PictureBox>("Picture1");
        const QSize size = box->size();
        run(window, steps.split(';'));
        QCOMPARE(window.texts(Boxes).join('|'), boxes.replace('@', at()));
        QImageReader reader(picture(shown)); // only the part the box shows
        reader.setClipRect({{0, 0}, size.boundedTo(reader.size())});
        const QImage expected =
            shown.isEmpty() ? QImage() : reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(box->picture().isNull(), expected.isNull());
        QCOMPARE(box->size(), size); // the box keeps its size
        const QRect part({0, 0}, expected.size().boundedTo(size));
        if (!expected.isNull()) // drawn unscaled from the top left, cut off
            QCOMPARE(box->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(part),
                     expected.copy(part));
        QCOMPARE(window.desktop.files.filtersAsked,
                 QStringList(steps.count("choose ") + steps.count("cancel"), "All files|*.*"));
        // EDIT's note each time; a warning naming each file that cannot be shown as a picture.
        const QString note = "Vellumark - (Duelkin): Please press ADD ALL button after editing.";
        QCOMPARE(window.desktop.messages.shown.size(),
                 steps.count("EDIT") + steps.count("choose bad-"));
        for (const auto& m : std::as_const(window.desktop.messages.shown))
            QVERIFY2(m.icon == MessageBox::Icon::None
                         ? m.title + ": " + m.text == note
                         : m.text.contains(at() + "bad-") &&
                               m.text.contains("50000 × 50000") == m.text.contains("bad-huge"),
                     qPrintable(m.text));
        QCOMPARE(fileBytes(file()), before.isEmpty() ? "missing" : bytes(before)); // no SAVE yet
        window.click("Command13");
        QCOMPARE(fileBytes(file()), bytes(saved));
    }
};

VELLUMARK_TEST_MAIN(CollectionTest)
#include "tst_collection.moc"
