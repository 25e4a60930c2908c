#include "TechnicalContact.h"

#include "DesktopLinks.h"

const QString TechnicalSupportAddress = QStringLiteral("serwis@example.com");
const QString TechnicalContactLink = QStringLiteral("mailto:") + TechnicalSupportAddress +
                                     QStringLiteral("?subject=") +
                                     QStringLiteral("Uwagi do programu Pelmor      ");

void OpenTechnicalContact()
{
    OpenUrl(TechnicalContactLink);
}
