#include "DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace
{
UrlOpener &opener()
{
    static UrlOpener o;
    return o;
}
} // namespace

void SetUrlOpener(UrlOpener o)
{
    opener() = std::move(o);
}

bool OpenUrl(const QString &link)
{
    if (opener())
        return opener()(link);
    // Tolerant parsing keeps the mail subject's blanks: they travel
    // percent-encoded and the mail program decodes them back.
    return QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}
