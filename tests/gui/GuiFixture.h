// A fresh main window per test, built over zeroed global records, with a
// port list the test chooses and every message box and file dialog answered
// by the test.
#pragma once

#include "MessageBoxes.h"
#include "PortTools.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TFileDialog.h"
#include "TMemo.h"
#include "TSpinEdit.h"
#include "Udecl.h"
#include "Uformagl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

// Port values served from a list; used by the window and by the port tests.
class TFakePortSource : public TPortSource
{
  public:
    struct TValue {
        QByteArray name;
        QByteArray data;
        QString details = {};
    };
    bool Available = true;
    std::vector<TValue> Values;
    int Reads = 0;
    bool Closed = false;

    bool Open() override { return Available; }
    bool Value(int index, QByteArray &name, QByteArray &data) override
    {
        ++Reads;
        if (index < 0 || index >= int(Values.size()))
            return false;
        name = Values[index].name;
        data = Values[index].data;
        return true;
    }
    QString Details(int index) override
    {
        return index >= 0 && index < int(Values.size()) ? Values[index].details : QString();
    }
    void Close() override { Closed = true; }
};

class GuiTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;
    // Builds the window (again); the port source is used by its start-up.
    void createWindow();

    TEdit *edit(const QString &name) const { return window->Control<TEdit>(name); }
    TSpinEdit *spin(const QString &name) const { return window->Control<TSpinEdit>(name); }
    QCheckBox *box(const QString &name) const { return window->Control<QCheckBox>(name); }
    TMemo *memo(const QString &name) const { return window->Control<TMemo>(name); }
    QComboBox *combo(const QString &name) const { return window->Control<QComboBox>(name); }

    // Loads a record and notes into the window as "Odczytaj ..." does.
    void openRecord(const TModuleSettings &settings, const TUserNotes &notes);
    // Collects the window as "Zapisz jako ..." does and returns the saved bytes.
    QByteArray saveAndReadBack();

    TFakePortSource ports;
    std::unique_ptr<TGlownaF> window;
    std::vector<ShownMessage> messages;
    // Questions asked, and the answers to give in order; "Nie" when none is left.
    std::vector<ShownMessage> questions;
    std::vector<QMessageBox::StandardButton> answers;
    QTemporaryDir dir;
    // Answers of the file dialogs, in order: the name to choose, or empty to cancel.
    std::vector<QString> dialogAnswers;
    std::vector<QString> proposedNames;
};

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// Raw record and notes content for comparisons.
QByteArray RecordBytes(const TModuleSettings &settings);
QByteArray NotesBytes(const TUserNotes &notes);
