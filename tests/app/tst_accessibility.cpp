#include "TestMain.h"
#include "TestWindow.h"
#include "app/Form2.h"
#include "app/frmAbout.h"
#include "browse/StoreBrowsing.h"

#include <QAccessible>

// The visible controls a user can reach by keyboard or mouse that a screen reader cannot name.
QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        const QAccessibleActionInterface* actions = control->actionInterface();
        const bool reachable =
            widget->focusPolicy() != Qt::NoFocus || (actions && !actions->actionNames().isEmpty());
        if (widget->isVisible() && reachable && control->text(QAccessible::Name).isEmpty())
            unnamed << widget->parentWidget()->objectName() + " > " +
                           widget->metaObject()->className() + " " + widget->objectName();
    }
    return unnamed;
}

class AccessibilityTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_folder;

private slots:
    void everyReachableControlHasAName()
    {
        TestWindow window(m_folder.path(), 0);
        window.form.storeBrowsing().OpenStoreTabs();
        QStringList unnamed;
        for (int tab = 0; tab < window.form.SSTab1()->count(); ++tab) {
            window.form.SSTab1()->setCurrentIndex(tab);
            unnamed << unnamedControls(&window.form);
        }
        window.form.helpp_Click();
        unnamed << unnamedControls(window.form.helpWindow());
        window.form.about_Click();
        unnamed << unnamedControls(window.form.aboutBox());
        unnamed.removeDuplicates();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));
    }

    void cardPictureIsNamedByItsFile()
    {
        TestWindow window(m_folder.path(), Program::CollectionTabIndex);
        const auto spoken = [&] {
            QWidget* picture = window.find<QWidget>("Picture1");
            return QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name);
        };
        QCOMPARE(spoken(), "No card picture");
        const QString file = m_folder.filePath("Black Lotus.png");
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(file));
        window.desktop.files.nextAnswers = QStringList{file};
        window.click("Command29");
        QCOMPARE(spoken(), "Black Lotus.png");
        auto* list = window.find<ListView>("ListView3");
        list->rows().appendRow({"a card without a picture"});
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->model()->index(0, 0)).center());
        QCOMPARE(spoken(), "No card picture");
    }
};

VELLUMARK_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
