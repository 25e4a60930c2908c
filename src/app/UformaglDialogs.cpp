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

#include <cstring>

namespace
{
// Runs a dialog opener; a byte it changed is an edit of the window's settings.
template <class Open> bool ChangesRecord(Open open)
{
    const TModuleSettings before = ModuleSettings;
    open();
    return std::memcmp(&before, &ModuleSettings, sizeof before) != 0;
}
} // namespace

void TGlownaF::BB_ConfigNumerWe1Re1Click(QObject *Sender)
{
    if (FconfigNumberWeRe && ChangesRecord([&] {
            ReactionButtons::BB_ConfigNumerWe1Re1Click(Sender, ModuleSettings, *FconfigNumberWeRe);
        }))
        ControlEdited();
}

void TGlownaF::BB_ConfigNumerSpecWe1Re1Click(QObject *Sender)
{
    if (FconfigNumberWeRe && ChangesRecord([&] {
            ReactionButtons::BB_ConfigNumerSpecWe1Re1Click(Sender, ModuleSettings, *FconfigNumberWeRe);
        }))
        ControlEdited();
}

void TGlownaF::BBConfigWorkWe1Re1Click(QObject *Sender)
{
    if (FConfigWorkWeRe && ChangesRecord([&] {
            ReactionButtons::BBConfigWorkWe1Re1Click(Sender, ModuleSettings, *FConfigWorkWeRe, this);
        }))
        ControlEdited();
}

void TGlownaF::BBConfigWorkSpecWe1Re1Click(QObject *Sender)
{
    if (FConfigWorkWeRe && ChangesRecord([&] {
            ReactionButtons::BBConfigWorkSpecWe1Re1Click(Sender, ModuleSettings, *FConfigWorkWeRe, this);
        }))
        ControlEdited();
}

void TGlownaF::InfoClick()
{
    ShowAboutBox(AboutBox);
}

void TGlownaF::Kotaktzdziaemtechnicznym1Click()
{
    OpenTechnicalContact();
}
