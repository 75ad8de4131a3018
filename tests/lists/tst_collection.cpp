#include "ListTab.h"
#include "TestMain.h"
#include "platform/PictureBox.h"

#include <QImageReader>
#include <QLineEdit>

// A different colour in every pixel, so that a scaled or moved drawing shows.
static QImage pattern(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i)
        picture.setPixel(i % width, i / width, qRgb(i % 251, i / 251 % 251, i / 63001 * 40));
    return picture;
}

// The card picture of the collection: chosen with ADD PICTURE, shown by a double-click on a row.
class CollectionTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_pictures;

    QString at(const QString& name) const
    {
        return name.isEmpty() ? name : m_pictures.filePath(name);
    }

private slots:
    void initTestCase()
    {
        QImage photo(12000, 9000, QImage::Format_Grayscale8); // 108 megapixels
        for (int y = 0; y < photo.height(); ++y)
            memset(photo.scanLine(y), y % 256, size_t(photo.width()));
        QVERIFY(photo.save(at("huge.jpg"), "jpeg", 50));
        QVERIFY(pattern(8, 4).save(at("a.png")) && pattern(4, 9).save(at("c.png")) &&
                pattern(900, 900).save(at("big.png")) &&
                QFile::copy(at("big.png"), at("bad-half")) && QFile::resize(at("bad-half"), 999));
        writeFile(at("bad-text"), "Serra Angel, Alpha\r\n");
        writeFile(at("bad-huge"), QByteArray::fromHex("474946383961 50c350c3000000 2c00000000 "
                                                      "50c350c3000202440100 3b"));
        const QByteArray gif = QByteArray::fromHex("474946383961 01000100800000 000000ffffff "
                                                   "2c00000000010001000002024401 003b");
        writeFile(at("ok.gif"), gif);
        writeFile(at("bad-gif"), gif.chopped(3));
        for (const char* format : {"jpg", "bmp"}) {
            const QString good = at(QString("ok.") + format), bad = at("bad-") + format;
            QVERIFY(pattern(300, 300).save(good) && QFile::copy(good, bad) &&
                    QFile::resize(bad, QFileInfo(good).size() * 2 / 3));
        }
        // Qt decodes these cut-off files in part and calls that a success.
        for (const char* bad : {"bad-gif", "bad-jpg", "bad-bmp"})
            QVERIFY(!QImage(at(bad)).isNull());
        QFile trailed(at("ok.jpg")); // as a phone's motion photo, with more after the end
        QVERIFY(trailed.open(QIODevice::Append) && trailed.write(QByteArray(99, '\xD9')) == 99);
        trailed.close();
        writeFile(at("bad-empty"), "");
        QVERIFY(QDir().mkdir(at("bad-folder")));
    }

    // The files chosen in turn with ADD PICTURE ("": Cancel), then a double-click on a row. A
    // file that cannot be shown leaves the picture, an empty path and a warning naming it; a
    // double-click shows the picture of a named row that has one it can read, and warns of none.
    void picture_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("doubleClicked"); // -1: none
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("warning"); // a part of it, "": none
        const auto row = [](const char* name, const QStringList& chosen, int doubleClicked,
                            const QString& path, const QString& shown,
                            const QString& warning = "") {
            QTest::newRow(name) << chosen << doubleClicked << path << shown << warning;
        };
        row("Cancel first", {""}, -1, "", "");
        row("Cancel after a", {"a.png", ""}, -1, "a.png", "a.png");
        row("JPEG with a trailer, BMP, GIF", {"ok.jpg", "ok.bmp", "ok.gif"}, -1, "ok.gif",
            "ok.gif");
        row("larger than the box", {"big.png"}, -1, "big.png", "big.png");
        row("108 megapixels", {"huge.jpg"}, -1, "huge.jpg", "huge.jpg");
        for (const char* bad : {"text", "half", "jpg", "bmp", "gif", "empty", "folder"})
            row(bad, {"a.png", QString("bad-") + bad}, -1, "", "a.png", QString("bad-") + bad);
        row("huge", {"a.png", "bad-huge"}, -1, "", "a.png",
            "bad-huge is too large to be shown: 50000 × 50000 pixels");
        row("double-click: named, with a picture", {"c.png"}, 0, "c.png", "a.png");
        row("double-click: no name", {"a.png"}, 1, "a.png", "a.png");
        row("double-click: no picture", {"c.png"}, 2, "c.png", "");
        row("double-click: picture gone", {"c.png"}, 3, "c.png", "c.png");
        row("double-click: picture unreadable", {"c.png"}, 4, "c.png", "c.png");
        row("double-click: 108 megapixels", {"c.png"}, 5, "c.png", "huge.jpg");
    }

    void picture()
    {
        QFETCH(QStringList, chosen);
        QFETCH(int, doubleClicked);
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QFETCH(QString, warning);
        QTemporaryDir folder;
        Rows rows{{"Card A", "a.png"},  {"", "c.png"},       {"Plain", ""},
                  {"Gone", "gone.png"}, {"Bad", "bad-half"}, {"Huge", "huge.jpg"}};
        for (QStringList& cells : rows)
            cells = QStringList{cells[0], "1", "", "", "", "RARE", "", "", at(cells[1])};
        writeFile(folder.filePath("file2.dtt"), lineFile(rows));
        ListTab window(folder.path(), Program::CollectionTabIndex);
        for (const QString& file : chosen) {
            window.desktop.files.nextAnswers = {at(file)};
            window.click("Command29");
        }
        auto* list = window.find<ListView>("ListView3");
        if (doubleClicked >= 0)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->rows().index(doubleClicked, 0)).center());
        QCOMPARE(window.find<QLineEdit>("Text18")->text(), at(path));
        // Drawn unscaled from the top left, cut off at the box's own size.
        auto* box = window.find<PictureBox>("Picture1");
        QCOMPARE(box->size(), Twips::toPixels(0, 0, 2775, 3495).size());
        QImageReader reader(at(shown));
        reader.setClipRect({{0, 0}, box->size().boundedTo(reader.size())});
        const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(box->picture().isNull(), shown.isEmpty());
        if (!shown.isEmpty())
            QCOMPARE(
                box->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(expected.rect()),
                expected);
        QCOMPARE(window.desktop.files.filtersAsked, QStringList(chosen.size(), "All files|*.*"));
        QCOMPARE(window.desktop.messages.shown.size(), int(!warning.isEmpty()));
        QVERIFY(warning.isEmpty() || window.desktop.messages.shown[0].text.contains(at(warning)));
    }
};

VELLUMARK_TEST_MAIN(CollectionTest)
#include "tst_collection.moc"
