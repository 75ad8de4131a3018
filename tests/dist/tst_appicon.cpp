#include "TestMain.h"
#include "app/AppIcon.h"

class AppIconTest : public QObject
{
    Q_OBJECT

private slots:
    void picture_data()
    {
        QTest::addColumn<QSize>("size");
        for (int side : {16, 32, 48, 64, 128, 256}) {
            QTest::addRow("%d px", side) << QSize(side, side);
        }
        QTest::newRow("About box") << QSize(63, 72);
    }

    void picture()
    {
        QFETCH(QSize, size);
        if (size.width() == size.height()) { // Drawn from its own PNG, not scaled from another.
            QVERIFY(AppIcon::icon().availableSizes().contains(size));
        }
        const QImage image = AppIcon::picture(size).toImage();
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(size.width() / 2, size.height() / 2).alpha(), 255);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }
};

VELLUMARK_TEST_MAIN(AppIconTest)
#include "tst_appicon.moc"
