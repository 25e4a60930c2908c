// Handlers that open the reaction dialogs, the About box and the mail to
// technical support. Bound to their buttons and menu items already; the
// dialogs' unit fills them in.
#include "Uformagl.h"

void TGlownaF::BB_ConfigNumerWe1Re1Click(QObject *) {}
void TGlownaF::BBConfigWorkWe1Re1Click(QObject *) {}
void TGlownaF::BB_ConfigNumerSpecWe1Re1Click(QObject *) {}
void TGlownaF::BBConfigWorkSpecWe1Re1Click(QObject *) {}
void TGlownaF::InfoClick() {}
void TGlownaF::Kotaktzdziaemtechnicznym1Click() {}
