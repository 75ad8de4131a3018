#include "app/AppIcon.h"
#include "app/Form1.h"
#include "data/DataFolder.h"
#include "data/Program.h"
#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/MessageBox.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Qt WebEngine shares its OpenGL context with the widgets; this must be set before the
    // application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
    Form1 window(DataFolder::choose(QCoreApplication::applicationDirPath()), services);
    window.show();
    return app.exec();
}
