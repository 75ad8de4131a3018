#include "app/AppIcon.h"
#include "app/Form1.h"
#include "app/WebEngineSetup.h"
#include "data/DataFolder.h"
#include "data/Program.h"
#include "instance/SingleInstance.h"
#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    WebEngineSetup::beforeApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(Program::Name));
    // No display name: Qt would append it to every window title the window manager shows.
    // Ties the windows to the menu entry (Wayland's app id) and gives every window the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMARK_APP_ID));
    QApplication::setWindowIcon(AppIcon::icon());

    DesktopMessageBox messageBox;
    DesktopFileChooser fileChooser;
    PlatformServices services{messageBox, fileChooser, [] {
                                  return std::make_unique<DefaultPrinter>();
                              }};
    const QString dataFolder = DataFolder::choose(QCoreApplication::applicationDirPath());
    SingleInstance instance(dataFolder);
    switch (instance.start()) {
    case SingleInstance::Start::First:
        break;
    case SingleInstance::Start::OtherShown:
        return 0;
    case SingleInstance::Start::OtherNotAnswers:
        messageBox.show(nullptr, QLatin1String(Program::WindowTitle),
                        QStringLiteral("Vellumark is already running on the lists in %1, but it "
                                       "does not answer. Close it, or end it if it hangs, and "
                                       "start Vellumark again.")
                            .arg(QDir::toNativeSeparators(dataFolder)),
                        MessageBox::Icon::Warning);
        return 1;
    }
    Form1 window(dataFolder, services);
    QObject::connect(&instance, &SingleInstance::showRequested, &window,
                     [&window] { SingleInstance::showInFront(window); });
    window.show();
    return app.exec();
}
