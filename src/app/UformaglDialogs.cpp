// Handlers that open the reaction dialogs, the About box and the mail to
// technical support. The dialogs are created after the main window (the
// entry routine); until then the buttons open nothing.
#include "Uformagl.h"

#include "About.h"
#include "ReactionButtons.h"
#include "TechnicalContact.h"
#include "UFconfigNumberWeRe.h"
#include "Udecl.h"
#include "UfconfigWorkWeRe.h"

void TGlownaF::BB_ConfigNumerWe1Re1Click(QObject *Sender)
{
    if (FconfigNumberWeRe)
        ReactionButtons::BB_ConfigNumerWe1Re1Click(Sender, ModuleSettings, *FconfigNumberWeRe);
}

void TGlownaF::BB_ConfigNumerSpecWe1Re1Click(QObject *Sender)
{
    if (FconfigNumberWeRe)
        ReactionButtons::BB_ConfigNumerSpecWe1Re1Click(Sender, ModuleSettings, *FconfigNumberWeRe);
}

void TGlownaF::BBConfigWorkWe1Re1Click(QObject *Sender)
{
    if (FConfigWorkWeRe)
        ReactionButtons::BBConfigWorkWe1Re1Click(Sender, ModuleSettings, *FConfigWorkWeRe, this);
}

void TGlownaF::BBConfigWorkSpecWe1Re1Click(QObject *Sender)
{
    if (FConfigWorkWeRe)
        ReactionButtons::BBConfigWorkSpecWe1Re1Click(Sender, ModuleSettings, *FConfigWorkWeRe, this);
}

void TGlownaF::InfoClick()
{
    ShowAboutBox(AboutBox);
}

void TGlownaF::Kotaktzdziaemtechnicznym1Click()
{
    OpenTechnicalContact();
}
