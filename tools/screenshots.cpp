// Takes screenshots of the main window as it opens (main-window.png, the window alone), of every
// tab, of the help window and of the About box, as a person sees them on the screen. Run through
// tools/screenshots, under Xvfb.
//   vellumark-screenshots <data folder> <output folder>

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/WebEngineSetup.h"
#include "app/frmAbout.h"
#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/MessageBox.h"
#include "platform/TabControl.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

namespace {

// The whole screen, or only the given part of it.
void saveScreen(const QString& folder, const QString& name, const QRect& part = QRect(0, 0, -1, -1))
{
    QTest::qWait(1500);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, part.x(), part.y(), part.width(), part.height())
        .save(QDir(folder).filePath(name + ".png"));
}

} // namespace

int main(int argc, char* argv[])
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: vellumark-screenshots <data folder> <output folder>");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    DesktopMessageBox messages;
    DesktopFileChooser files;
    PlatformServices services{messages, files, [] {
                                  return std::make_unique<DefaultPrinter>();
                              }};
    Form1 window(QString::fromLocal8Bit(argv[1]), services);
    window.move(0, 0);
    window.show();
    saveScreen(output, QStringLiteral("main-window"), window.frameGeometry());
    for (int tab = 0; tab < window.SSTab1()->count(); ++tab) {
        window.SSTab1()->setCurrentIndex(tab);
        saveScreen(output, QStringLiteral("tab%1").arg(tab));
    }
    window.SSTab1()->setCurrentIndex(Program::CollectionTabIndex);
    window.helpp_Click();
    window.helpWindow()->move(40, 40);
    saveScreen(output, QStringLiteral("help"));
    window.helpWindow()->close();
    window.about_Click();
    saveScreen(output, QStringLiteral("about"));
    return 0;
}
