#pragma once

#include "app/WebEngineSetup.h"

#include <QApplication>
#include <QtTest>

// Like QTEST_MAIN, with what the program's own main sets up before the application exists, and
// with the user's folders redirected so that no test touches real data.
#define VELLUMARK_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        WebEngineSetup::beforeApplication();                                                       \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Vellumark"));                             \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
