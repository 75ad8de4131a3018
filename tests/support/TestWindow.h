#pragma once

#include "LocalWebServer.h"
#include "TestDoubles.h"
#include "TestFiles.h"
#include "app/Form1.h"
#include "browse/StartPage.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>
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

    // Waits until the first store browser has loaded the start page to the end.
    bool startPageShown()
    {
        return waitUntil([this] {
            const WebBrowser* first = form.WebBrowser1(0);
            return first->url() == StartPage::address() && !first->page()->isLoading() &&
                   first->title() == "Vellumark - Home";
        });
    }
    template <class C> C* find(const QString& name) { return form.findChild<C*>(name); }
    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void trigger(const QString& action) { find<QAction>(action)->trigger(); }
    // Focuses the control, then sends the keys to whatever has the focus, as the keyboard does.
    void press(const QString& control, const QKeySequence& keys)
    {
        find<QWidget>(control)->setFocus();
        for (int key = 0; key < keys.count(); ++key)
            QTest::keyClick(QApplication::focusWidget(), keys[key].key(),
                            keys[key].keyboardModifiers());
    }
    Rows rows(const QString& list) { return find<ListView>(list)->rows().rows(); }

    TestDesktop desktop;
    Form1 form;
};
