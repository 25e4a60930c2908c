// The module link's handlers: programming, read-back and the answer time-out.
// The sequences themselves run in Link; the window supplies the port name,
// the user numbers, the collected record and the refill after a read-back.
#include "Uformagl.h"

#include "ControlLookup.h"
#include "LinkRules.h"
#include "ModuleBackup.h"
#include "ModuleLink.h"
#include "WidgetLinkView.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

namespace
{
QStringList UserNumberTexts(const TGlownaF *window)
{
    QStringList numbers;
    for (int u = 1; u <= 4; ++u) {
        const auto *box = FindControl<QLineEdit>(window, QStringLiteral("Enruser%1").arg(u));
        numbers << (box ? box->text() : QString());
    }
    return numbers;
}
} // namespace

TLinkEngine &TGlownaF::LinkEngine() const
{
    return Link->Engine();
}

void TGlownaF::BprogramujClick()
{
    if (!Link->CheckNumbersInternational(UserNumberTexts(this)))
        return;
    FormToRecord();
    TProgrammingOptions options;
    options.Verify = Sprawdzaj1->isChecked();
    if (KopiaModulu1->isChecked())
        options.BackupFile = NewModuleBackupName();
    // Edits made while the run goes on were not sent: they stay unsaved.
    EditsAtRunStart = EditCount;
    // Sets the cursor and the buttons, encodes, opens the port and sends "*2*1"
    // (after the backup); a run that cannot start gives them back itself.
    Link->StartProgramming(CBcom->currentText(), ModuleSettings, options);
}

void TGlownaF::BBloadClick()
{
    // The module's settings replace the controls: unsaved edits would be lost.
    if (!ConfirmDiscardEdits())
        return;
    // Like a programming run it holds both buttons and the cursor until it ends.
    Link->StartReadBack(CBcom->currentText());
}

void TGlownaF::LinkRunFinished(TLinkEnd end)
{
    if (end == TLinkEnd::ReadBack || (end == TLinkEnd::Programmed && EditCount == EditsAtRunStart))
        SetModified(false);
}

void TGlownaF::Timer1Timer()
{
    LinkEngine().Timer1Timer();
}

void TGlownaF::TrimLog()
{
    ::TrimLog(ListBox1);
}

bool TGlownaF::NumbersAreInternational()
{
    return ::NumbersAreInternational(UserNumberTexts(this));
}

void TGlownaF::ComDataPacket2CustomStop(const QByteArray &Str, int &Pos)
{
    LinkEngine().ComDataPacket2CustomStop(Str, Pos);
}

bool TGlownaF::SendDataFrame(int &Offset, int Len)
{
    return LinkEngine().SendDataFrame(Offset, Len);
}

void TGlownaF::StoreReceivedByte(std::uint8_t Value)
{
    LinkEngine().StoreReceivedByte(Value);
}

// The user notes are the program's own and stay as they are.
void TGlownaF::ShowReadBackSettings()
{
    EepromToSettings();
    ++Refilling;
    RecordToForm();
    OutputOptionsClick();
    --Refilling;
}
