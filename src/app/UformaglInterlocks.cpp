// Option interlocks: the CLIP actions of one output exclude each other, and
// the option boxes enable the controls that matter only while their option is on.
#include "Uformagl.h"

#include "TEdit.h"

#include <QCheckBox>
#include <QLabel>

// Handles the first partner, then the second. Unticking a partner runs the
// partner's own handler at once, before the second partner is handled.
void TGlownaF::DisableClipAlternatives(const QString &family, int changed, int firstPartner,
                                       int secondPartner)
{
    const bool ticked = Control<QCheckBox>(family + QString::number(changed))->isChecked();
    for (int partner : {firstPartner, secondPartner}) {
        QCheckBox *box = Control<QCheckBox>(family + QString::number(partner));
        box->setEnabled(!ticked);
        if (ticked)
            box->setChecked(false);
    }
}

// Boxes 0 to 5 of a family: switch on, switch off and toggle of outputs 1 and 2;
// the partners are the other two actions of the same output.
void TGlownaF::ClipActionClick(const QString &family, int box)
{
    static const int partners[6][2] = {{2, 4}, {3, 5}, {0, 4}, {1, 5}, {0, 2}, {1, 3}};
    DisableClipAlternatives(family, box, partners[box][0], partners[box][1]);
}

void TGlownaF::ChbClipVerif0Click()
{
    ClipActionClick(QStringLiteral("ChbClipVerif"), 0);
}
void TGlownaF::ChbClipVerif1Click()
{
    ClipActionClick(QStringLiteral("ChbClipVerif"), 1);
}
void TGlownaF::ChbClipVerif2Click()
{
    ClipActionClick(QStringLiteral("ChbClipVerif"), 2);
}
void TGlownaF::ChbClipVerif3Click()
{
    ClipActionClick(QStringLiteral("ChbClipVerif"), 3);
}
void TGlownaF::ChbClipVerif4Click()
{
    ClipActionClick(QStringLiteral("ChbClipVerif"), 4);
}
void TGlownaF::ChbClipVerif5Click()
{
    ClipActionClick(QStringLiteral("ChbClipVerif"), 5);
}
void TGlownaF::ChBClipNotVerif0Click()
{
    ClipActionClick(QStringLiteral("ChBClipNotVerif"), 0);
}
void TGlownaF::ChBClipNotVerif1Click()
{
    ClipActionClick(QStringLiteral("ChBClipNotVerif"), 1);
}
void TGlownaF::ChBClipNotVerif2Click()
{
    ClipActionClick(QStringLiteral("ChBClipNotVerif"), 2);
}
void TGlownaF::ChBClipNotVerif3Click()
{
    ClipActionClick(QStringLiteral("ChBClipNotVerif"), 3);
}
void TGlownaF::ChBClipNotVerif4Click()
{
    ClipActionClick(QStringLiteral("ChBClipNotVerif"), 4);
}
void TGlownaF::ChBClipNotVerif5Click()
{
    ClipActionClick(QStringLiteral("ChBClipNotVerif"), 5);
}

namespace
{
void enableAll(const TGlownaF *form, std::initializer_list<const char *> names, bool enabled)
{
    for (const char *name : names)
        form->Control<QWidget>(QString::fromLatin1(name))->setEnabled(enabled);
}

bool ticked(const TGlownaF *form, const char *box)
{
    return form->Control<QCheckBox>(QString::fromLatin1(box))->isChecked();
}
} // namespace

// SMS switching of an output off: its codes are emptied and stay empty when
// the option is ticked again.
void TGlownaF::ChBFlags_0Click()
{
    const bool on = ticked(this, "ChBFlags_0");
    enableAll(this, {"Label43", "Label45", "EZalWy1", "EwylWy1"}, on);
    if (!on) {
        Control<TEdit>(QStringLiteral("EZalWy1"))->clear();
        Control<TEdit>(QStringLiteral("EwylWy1"))->clear();
    }
}

void TGlownaF::ChBFlags_1Click()
{
    const bool on = ticked(this, "ChBFlags_1");
    enableAll(this, {"Label44", "Label46", "EZalWy2", "EwylWy2"}, on);
    if (!on) {
        Control<TEdit>(QStringLiteral("EZalWy2"))->clear();
        Control<TEdit>(QStringLiteral("EwylWy2"))->clear();
    }
}

// The off-times and the report period keep their values while disabled; they
// are still collected into the record.
void TGlownaF::ChBFlags_2Click()
{
    enableAll(this, {"Label24", "SEWy_offTimer1", "Label47"}, ticked(this, "ChBFlags_2"));
}

void TGlownaF::ChBFlags_3Click()
{
    enableAll(this, {"Label25", "SEWy_offTimer2", "Label48"}, ticked(this, "ChBFlags_3"));
}

void TGlownaF::ChBFlags_4Click()
{
    enableAll(this, {"SEtestokr"}, ticked(this, "ChBFlags_4"));
}

// Programming by SMS not allowed: the access code is emptied.
void TGlownaF::ChBFlags_5Click()
{
    const bool on = ticked(this, "ChBFlags_5");
    if (!on)
        Control<TEdit>(QStringLiteral("EPINMOD"))->clear();
    enableAll(this, {"EPINMOD", "Label28"}, on);
}

void TGlownaF::OutputOptionsClick()
{
    ChBFlags_0Click();
    ChBFlags_2Click();
    ChBFlags_1Click();
    ChBFlags_3Click();
}
