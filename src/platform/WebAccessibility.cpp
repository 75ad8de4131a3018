#include "WebAccessibility.h"

#include <QByteArray>

namespace WebAccessibility {

void enable()
{
    const char* const name = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";
    if (!qEnvironmentVariableIsSet(name)) {
        qputenv(name, QByteArrayLiteral("1"));
    }
}

} // namespace WebAccessibility
