// Showing the settings record and the user notes in the controls, and
// collecting them back. The reaction and notification bytes are edited by the
// reaction dialogs straight in the record and are not touched here (except
// bit 0 of byte 82, which the window owns).
#include "Uformagl.h"

#include "SmsCentres.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TSpinEdit.h"
#include "Udecl.h"

#include <QCheckBox>
#include <QComboBox>

namespace
{
// The original edit controls showed a text only up to its first NUL.
QString upToNul(QString text)
{
    const int nul = int(text.indexOf(QChar(0)));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

template <int N> void showText(TEdit *edit, const TShortString<N> &field)
{
    edit->setText(upToNul(field.text()));
}

template <int N> void collectText(const TEdit *edit, TShortString<N> &field)
{
    field.setText(edit->text());
}

// Two bytes holding a two-character control code; 0 in either means no code.
void showCode(TEdit *edit, const std::uint8_t *pair)
{
    if (pair[0] != 0 && pair[1] != 0)
        edit->setText(FromCp1250(QByteArray(reinterpret_cast<const char *>(pair), 2)));
    else
        edit->clear();
}

void collectCode(const TEdit *edit, std::uint8_t *pair)
{
    const QByteArray bytes = ToCp1250(edit->text());
    if (edit->text().size() == 2 && bytes.size() == 2) {
        pair[0] = std::uint8_t(bytes[0]);
        pair[1] = std::uint8_t(bytes[1]);
    } else {
        pair[0] = 0;
        pair[1] = 0;
    }
}

void showBits(const TGlownaF *form, const QString &prefix, int count, std::uint8_t bits)
{
    for (int k = 0; k < count; ++k)
        form->Control<QCheckBox>(prefix + QString::number(k))->setChecked((bits >> k) & 1);
}

std::uint8_t collectBits(const TGlownaF *form, const QString &prefix, int count)
{
    std::uint8_t bits = 0;
    for (int k = 0; k < count; ++k)
        if (form->Control<QCheckBox>(prefix + QString::number(k))->isChecked())
            bits |= std::uint8_t(1u << k);
    return bits;
}
} // namespace

void TGlownaF::SmsTextsToForm()
{
    for (int n = 1; n <= 8; ++n)
        for (int r = 1; r <= 2; ++r)
            showText(Control<TEdit>(QStringLiteral("ETSMS_We%1_Re%2").arg(n).arg(r)),
                     ModuleSettings.InputSmsText(n, r));
    for (int n = 1; n <= 6; ++n)
        for (int r = 1; r <= 2; ++r)
            showText(Control<TEdit>(QStringLiteral("ETSpecSMS_We%1_Re%2").arg(n).arg(r)),
                     ModuleSettings.SpecialSmsText(n, r));
}

void TGlownaF::FormToSmsTexts()
{
    for (int n = 1; n <= 8; ++n)
        for (int r = 1; r <= 2; ++r)
            collectText(Control<TEdit>(QStringLiteral("ETSMS_We%1_Re%2").arg(n).arg(r)),
                        ModuleSettings.InputSmsText(n, r));
    for (int n = 1; n <= 6; ++n)
        for (int r = 1; r <= 2; ++r)
            collectText(Control<TEdit>(QStringLiteral("ETSpecSMS_We%1_Re%2").arg(n).arg(r)),
                        ModuleSettings.SpecialSmsText(n, r));
}

void TGlownaF::ReactionTimesToForm()
{
    for (int n = 1; n <= 8; ++n)
        Control<TSpinEdit>(QStringLiteral("SEtimerPod%1").arg(n))->setValue(ModuleSettings.ReactionTime(n));
}

void TGlownaF::FormToReactionTimes()
{
    for (int n = 1; n <= 8; ++n)
        ModuleSettings.ReactionTime(n) =
            std::uint8_t(Control<TSpinEdit>(QStringLiteral("SEtimerPod%1").arg(n))->value());
}

void TGlownaF::LockoutTimesToForm()
{
    for (int n = 1; n <= 8; ++n)
        Control<TSpinEdit>(QStringLiteral("SEtimerTorBuf%1").arg(n))->setValue(ModuleSettings.LockoutTime(n));
}

void TGlownaF::FormToLockoutTimes()
{
    for (int n = 1; n <= 8; ++n)
        ModuleSettings.LockoutTime(n) =
            std::uint8_t(Control<TSpinEdit>(QStringLiteral("SEtimerTorBuf%1").arg(n))->value());
}

void TGlownaF::UserNumbersToForm()
{
    for (int u = 1; u <= 4; ++u)
        showText(Control<TEdit>(QStringLiteral("Enruser%1").arg(u)), ModuleSettings.UserNumber(u));
}

void TGlownaF::FormToUserNumbers()
{
    for (int u = 1; u <= 4; ++u)
        collectText(Control<TEdit>(QStringLiteral("Enruser%1").arg(u)), ModuleSettings.UserNumber(u));
}

void TGlownaF::OutputsToForm()
{
    for (int w = 1; w <= 2; ++w) {
        showCode(Control<TEdit>(QStringLiteral("EZalWy%1").arg(w)), ModuleSettings.OutputOnCode(w));
        showCode(Control<TEdit>(QStringLiteral("EwylWy%1").arg(w)), ModuleSettings.OutputOffCode(w));
        Control<TSpinEdit>(QStringLiteral("SEWy_offTimer%1").arg(w))
            ->setValue(ModuleSettings.OutputOffTime(w));
    }
}

void TGlownaF::FormToOutputs()
{
    for (int w = 1; w <= 2; ++w) {
        collectCode(Control<TEdit>(QStringLiteral("EZalWy%1").arg(w)), ModuleSettings.OutputOnCode(w));
        collectCode(Control<TEdit>(QStringLiteral("EwylWy%1").arg(w)), ModuleSettings.OutputOffCode(w));
        ModuleSettings.OutputOffTime(w) =
            std::uint8_t(Control<TSpinEdit>(QStringLiteral("SEWy_offTimer%1").arg(w))->value());
    }
}

// The order matters: ticking a box runs its handler at once, and the option
// handlers enable, disable and empty other controls.
void TGlownaF::BasicsToForm()
{
    TModuleSettings &s = ModuleSettings;
    auto spin = [this](const char *name) { return Control<TSpinEdit>(QString::fromLatin1(name)); };

    showText(Control<TEdit>(QStringLiteral("EPin")), s.SimPin);
    // The preset shown is the one whose number is stored, else "inne"; the
    // program's choice does not run CBcentrumChange.
    Control<QComboBox>(QStringLiteral("CBcentrum"))
        ->setCurrentIndex(EntryChecks::SmsCentrePresetIndex(upToNul(s.SmsCentreNumber.text())));
    showText(Control<TEdit>(QStringLiteral("Ecsms")), s.SmsCentreNumber);
    spin("SEtestokr")->setValue(s.ReportPeriod);
    spin("SECALL_TIMER")->setValue(s.RejectTime);
    spin("SEcallingTimer")->setValue(s.CallingTime);
    showText(Control<TEdit>(QStringLiteral("EPINMOD")), s.SmsAccessCode);
    showBits(this, QStringLiteral("ChbClipVerif"), 8, s.ClipUserActions);
    showBits(this, QStringLiteral("ChBClipNotVerif"), 8, s.ClipUnlistedActions);
    showBits(this, QStringLiteral("ChBFlags_"), 6, s.OptionFlags);
    spin("SEInNONCSTAT18")->setValue(s.ConfirmWaitTime);
    spin("SEInONstat916")->setValue(s.SmsAttempts);
    ChBFlags_5Click();
    ChBFlags_4Click();
    spin("SE1190")->setValue(s.ArmingTime);
    spin("SE1191")->setValue(s.InputDelayTime);
    spin("SE1192")->setValue(s.SirenTime);
    Control<QCheckBox>(QStringLiteral("CHB_funkcjaczaswy"))->setChecked(s.SpecialReaction(5, 2) & 1);
}

void TGlownaF::FormToBasics()
{
    TModuleSettings &s = ModuleSettings;
    auto spin = [this](const char *name) {
        return std::uint8_t(Control<TSpinEdit>(QString::fromLatin1(name))->value());
    };

    collectText(Control<TEdit>(QStringLiteral("EPin")), s.SimPin);
    collectText(Control<TEdit>(QStringLiteral("Ecsms")), s.SmsCentreNumber);
    s.RejectTime = spin("SECALL_TIMER");
    s.CallingTime = spin("SEcallingTimer");
    collectText(Control<TEdit>(QStringLiteral("EPINMOD")), s.SmsAccessCode);
    s.ReportPeriod = spin("SEtestokr");
    s.ClipUserActions = collectBits(this, QStringLiteral("ChbClipVerif"), 8);
    s.ClipUnlistedActions = collectBits(this, QStringLiteral("ChBClipNotVerif"), 8);
    s.OptionFlags = collectBits(this, QStringLiteral("ChBFlags_"), 6);
    s.ConfirmWaitTime = spin("SEInNONCSTAT18");
    s.SmsAttempts = spin("SEInONstat916");
    s.ArmingTime = spin("SE1190");
    s.InputDelayTime = spin("SE1191");
    s.SirenTime = spin("SE1192");
    std::uint8_t &armingReaction = s.SpecialReaction(5, 2);
    if (Control<QCheckBox>(QStringLiteral("CHB_funkcjaczaswy"))->isChecked())
        armingReaction |= 1;
    else
        armingReaction &= std::uint8_t(~1u);
}

void TGlownaF::UserNotesToForm()
{
    for (int u = 1; u <= 4; ++u) {
        showText(Control<TEdit>(QStringLiteral("Eosoba%1").arg(u)), UserNotes[u].Name);
        Control<TMemo>(QStringLiteral("Muser%1").arg(u))->setStoredText(upToNul(UserNotes[u].Remarks.text()));
    }
}

void TGlownaF::FormToUserNotes()
{
    for (int u = 1; u <= 4; ++u) {
        collectText(Control<TEdit>(QStringLiteral("Eosoba%1").arg(u)), UserNotes[u].Name);
        UserNotes[u].Remarks.setText(Control<TMemo>(QStringLiteral("Muser%1").arg(u))->storedText());
    }
}

void TGlownaF::RecordToForm()
{
    SmsTextsToForm();
    ReactionTimesToForm();
    LockoutTimesToForm();
    UserNumbersToForm();
    OutputsToForm();
    BasicsToForm();
}

void TGlownaF::FormToRecord()
{
    FormToSmsTexts();
    FormToReactionTimes();
    FormToLockoutTimes();
    FormToUserNumbers();
    FormToOutputs();
    FormToBasics();
}
