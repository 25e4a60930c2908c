// Web pages and mail links are handed to the desktop through here, so that
// tests can see what would be opened without starting a browser or a mail
// program.
#pragma once

#include <QString>

#include <functional>

// Hands the link to the desktop as it is and does not wait. The result says
// whether the desktop took it; callers ignore a refusal (no browser or mail
// program registered): nothing is shown and nothing changes.
bool OpenUrl(const QString &link);

// While an opener is set, OpenUrl passes the link to it instead of the desktop.
using UrlOpener = std::function<bool(const QString &link)>;
void SetUrlOpener(UrlOpener opener);
