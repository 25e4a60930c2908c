// What the window's link tests do with the real main window: type the port,
// click a link button and wait for the run's end, read the message list and
// check that the window came back to rest. A test class inherits it beside
// QObject and finds the window fixture as `f`.
#pragma once

#include "LinkEngine.h"
#include "LinkTimer.h"
#include "ModuleLink.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TLinkEnd)

namespace WindowLinkTest
{
constexpr int ShortTimeout = 400; // ms, for the silent module; the program's own is 6000
constexpr int RunWait = 20000;    // ms, generous for sanitizer builds

inline QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace WindowLinkTest

class WindowLinkDriver
{
  protected:
    WindowFixture f;

    QString eeprom(const char *name) { return f.dir.filePath(QString::fromLatin1(name) + ".eeprom"); }
    QListWidget *list() { return f.window->ListBox1; }
    QStringList lines()
    {
        QStringList all;
        for (int i = 0; i < list()->count(); ++i)
            all << list()->item(i)->text();
        return all;
    }
    QString lastLine() { return list()->count() ? list()->item(list()->count() - 1)->text() : QString(); }

    void typePort(const QString &path)
    {
        QComboBox *box = f.window->CBcom;
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), path);
        QCOMPARE(box->currentText(), path);
    }

    void checkIdle()
    {
        QVERIFY(f.window->Bprogramuj->isEnabled());
        QVERIFY(f.window->BBload->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!f.window->Timer1->Enabled());
        QVERIFY(!f.window->Link->Busy());
    }

    // Clicks the button and waits for the sequence's end.
    TLinkEnd run(QPushButton *button)
    {
        QSignalSpy spy(f.window->Link.get(), &TModuleLink::SequenceFinished);
        QTest::mouseClick(button, Qt::LeftButton);
        if (spy.isEmpty() && !spy.wait(WindowLinkTest::RunWait))
            return TLinkEnd(-1);
        return spy.first().first().value<TLinkEnd>();
    }
};
