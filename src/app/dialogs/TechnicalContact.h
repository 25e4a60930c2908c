// "Kontakt z działem technicznym": a new mail to the maker's technical support.
#pragma once

#include <QString>

extern const QString TechnicalSupportAddress;

// "mailto:" + address + "?subject=" + the subject with its six trailing
// blanks, not percent-encoded.
extern const QString TechnicalContactLink;

// Hands the link to the desktop's mail program and does not wait; a refusal
// shows nothing. It does not touch the serial link, so it may run at any time.
void OpenTechnicalContact();
