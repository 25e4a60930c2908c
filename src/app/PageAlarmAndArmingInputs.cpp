// Page "Wejścia specjalne": the panic input (slot 3) and the arming input
// (slot 5); slots 4 and 6 keep their texts in hidden boxes.
#include "PageBuilder.h"

#include "TEdit.h"

using namespace Build;

void BuildPageAlarmAndArmingInputs(QWidget *page)
{
    Label(page, QStringLiteral("Label59"), QStringLiteral("Reakcja wyjść na:"), 120, 8);
    Label(page, QStringLiteral("Label61"), QStringLiteral("Powiadomienie:"), 224, 8);
    Label(page, QStringLiteral("Label56"), QStringLiteral("Treść wiadomości SMS:"), 320, 8);

    struct TSlotLine {
        int slot, reaction, y;
        const char *caption;
    };
    static const TSlotLine lines[] = {
        {3, 1, 24, "podanie masy"},
        {3, 2, 48, "zanik masy"},
        {5, 1, 80, "zanik masy"},
        {5, 2, 104, "podanie masy"},
    };
    WrappedLabel(page, QStringLiteral("Label16"), QStringLiteral("Wejście napadowe"), 8, 26, 105, 36);
    for (const TSlotLine &line : lines) {
        if (line.slot == 5 && line.reaction == 1) {
            Bevel(page, QStringLiteral("Bevel11"), 8, 72, 657);
            WrappedLabel(page, QStringLiteral("Label18"), QStringLiteral("Wejście uzbrajające"), 8, 82, 105,
                         36);
        }
        const QString suffix = QStringLiteral("%1Re%2").arg(line.slot).arg(line.reaction);
        Button(page, QStringLiteral("BB_ConfigNumerSpecWe") + suffix, QString::fromUtf8(line.caption), 128,
               line.y, 73, 17);
        Button(page, QStringLiteral("BBConfigWorkSpecWe") + suffix, QStringLiteral("SMS/CLIP"), 224, line.y,
               73, 17);
        Edit(page, QStringLiteral("ETSpecSMS_We%1_Re%2").arg(line.slot).arg(line.reaction), 320, line.y - 2,
             305, 35);
    }

    // Slots 4 and 6 are never shown, but their texts must pass through the window.
    for (int slot : {4, 6})
        for (int r = 1; r <= 2; ++r)
            Edit(page, QStringLiteral("ETSpecSMS_We%1_Re%2").arg(slot).arg(r), 320, 140, 305, 0)->hide();
}
