#include "WebEngineSetup.h"

#include "browse/StartPage.h"
#include "platform/WebAccessibility.h"

#include <QCoreApplication>

namespace WebEngineSetup {

void beforeApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    StartPage::registerScheme();
    WebAccessibility::enable();
}

} // namespace WebEngineSetup
