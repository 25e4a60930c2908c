// Page "numery telefonów": number, name and remarks of the four users.
#include "PageBuilder.h"

using namespace Build;

void BuildPageUsers(QWidget *page)
{
    static const int headingY[] = {8, 96, 184, 280};
    static const int memoHeight[] = {57, 49, 49, 57};
    static const char *const headings[] = {"Label4", "Label5", "Label6", "Label7"};
    static const char *const telLabels[] = {"Label31", "Label33", "Label36", "Label37"};
    static const char *const nameLabels[] = {"Label32", "Label34", "Label35", "Label38"};
    static const char *const remarkLabels[] = {"Label50", "Label51", "Label52", "Label53"};
    static const char *const bevels[] = {"Bevel1", "Bevel2", "Bevel3"};

    for (int i = 0; i < 4; ++i) {
        const int u = i + 1;
        const int y = headingY[i];
        const QString n = QString::number(u);
        Label(page, QString::fromLatin1(headings[i]), QStringLiteral("Użytkownik ") + n, 16, y + 4);
        Label(page, QString::fromLatin1(telLabels[i]), QStringLiteral("tel."), 112, y + 4);
        Edit(page, QStringLiteral("Enruser") + n, 144, y, 121, 12);
        Label(page, QString::fromLatin1(nameLabels[i]), QStringLiteral("Nazwa"), 48, y + 32);
        Edit(page, QStringLiteral("Eosoba") + n, 88, y + 28, 177, 0);
        Label(page, QString::fromLatin1(remarkLabels[i]), QStringLiteral("Uwagi"), 280, y + 4);
        Memo(page, QStringLiteral("Muser") + n, 320, y, 377, memoHeight[i]);
        if (i < 3)
            Bevel(page, QString::fromLatin1(bevels[i]), 16, headingY[i + 1] - 8, 681);
    }
}
