#pragma once

#include "LocalWebServer.h"
#include "TestDoubles.h"
#include "TestFiles.h"
#include "app/Form1.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The main window on a data folder, shown on a tab, with doubles for the desktop's dialogs, the
// help page in the folder and the stores on the given host (by default one where nothing listens).
class TestWindow
{
public:
    TestWindow(const QString& folder, int tab, const QString& stores = LocalWebServer::nowhere())
        : form(folder, desktop.services(), StoreHosts::allOn(stores),
               QDir(folder).filePath("help.htm"))
    {
        form.show();
        form.SSTab1()->setCurrentIndex(tab);
        static_cast<void>(QTest::qWaitForWindowExposed(&form));
    }

    template <class C> C* find(const QString& name) { return form.findChild<C*>(name); }
    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void trigger(const QString& action) { find<QAction>(action)->trigger(); }
    Rows rows(const QString& list) { return find<ListView>(list)->rows().rows(); }
    QStringList entries(const QString& list) { return find<ListBox>(list)->entries().entries(); }

    // Steps: "select N" selects row N, "BOX=text" types over the box, else a button caption.
    void run(const QStringList& steps, const QHash<QString, QString>& buttons, const QString& list)
    {
        for (const QString& step : steps) {
            if (step.startsWith("select ")) {
                find<ListView>(list)->selectRow(step.mid(7).toInt());
            } else if (step.contains('=')) {
                find<QLineEdit>(step.section('=', 0, 0))->clear();
                QTest::keyClicks(find<QLineEdit>(step.section('=', 0, 0)), step.section('=', 1));
            } else {
                click(buttons.value(step));
            }
        }
    }

    QStringList texts(const QStringList& boxes)
    {
        QStringList texts;
        for (const QString& box : boxes)
            texts << find<QLineEdit>(box)->text();
        return texts;
    }

    TestDesktop desktop;
    Form1 form;
};
