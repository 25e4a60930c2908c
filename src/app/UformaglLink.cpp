// The module link's handlers: programming, read-back and the answer time-out.
// Bound to their controls already; the link fills them in.
#include "Uformagl.h"

void TGlownaF::BprogramujClick() {}
void TGlownaF::BBloadClick() {}
void TGlownaF::Timer1Timer() {}
