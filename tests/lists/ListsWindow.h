#pragma once

#include "TestDoubles.h"
#include "app/Form1.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QVector<QStringList>;

// Each value followed by CR LF: the plain-line layout of the data files.
inline QByteArray crlf(const QStringList& lines)
{
    return lines.isEmpty() ? QByteArray() : (lines.join("\r\n") + "\r\n").toUtf8();
}

inline QByteArray fileBytes(const QString& path) // "missing" when there is no such file
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The main window on a data folder with the desktop's dialogs replaced, on the tab under test.
class ListsWindow
{
public:
    ListsWindow(const QString& folder, int tab)
        : form(folder, desktop.services())
    {
        form.show();
        form.SSTab1()->setCurrentIndex(tab);
        static_cast<void>(QTest::qWaitForWindowExposed(&form));
    }

    template <class C> C* find(const QString& name) { return form.findChild<C*>(name); }
    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
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
