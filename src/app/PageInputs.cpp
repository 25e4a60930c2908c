// Page "Wejścia": reaction time, lockout time, reactions, notifications and
// SMS texts of the eight inputs, in a scrolling area.
#include "PageBuilder.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Build;

namespace
{
struct TInputRow {
    const char *label;
    const char *caption;
    bool plus; // input reacts to +12V instead of ground
};
const TInputRow inputRows[8] = {
    {"Label8", "Wejście 1 (-)", false},  {"Label9", "Wejście 2 (-)", false},
    {"Label10", "Wejście 3 (-)", false}, {"Label11", "Wejście 4 (+)", true},
    {"Label12", "Wejście 5 (-)", false}, {"Label13", "Wejście 6 (+)", true},
    {"Label14", "Wejście 7 (-)", false}, {"Label23", "Wejście 8 (+)", true},
};
} // namespace

void BuildPageInputs(QWidget *page)
{
    auto *area = new QScrollArea(page);
    area->setObjectName(QStringLiteral("ScrollBox1Area"));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);

    // The buttons' parent carries the name the reaction handlers look for.
    // Made inside the area, so that its controls are measured in the
    // window's font from the start rather than in the application's.
    auto *box = new QWidget(area->viewport());
    box->setObjectName(QStringLiteral("ScrollBox1"));
    box->setFixedSize(737, 405);

    QLabel *reactionTime =
        WrappedLabel(box, QStringLiteral("Label26"), QStringLiteral("Czas reakcji  [ x 0,1s]"), 72, -2, 81, 28);
    WrappedLabel(box, QStringLiteral("Label27"), QStringLiteral("Blokada wejścia po reakcji. [x 10s]"), 148,
                 -2, 105, 28);
    Label(box, QStringLiteral("Label55"), QStringLiteral("Reakcja wyjść na:"), 272, 6);
    Label(box, QStringLiteral("Label60"), QStringLiteral("Powiadomienie:"), 368, 6);
    Label(box, QStringLiteral("Label54"), QStringLiteral("Treść wiadomości SMS:"), 448, 6);

    for (int i = 1; i <= 8; ++i) {
        const TInputRow &row = inputRows[i - 1];
        const QString n = QString::number(i);
        const int y1 = 24 + 48 * (i - 1);
        Label(box, QString::fromLatin1(row.label), QString::fromUtf8(row.caption), 16, y1 + 16);
        Spin(box, QStringLiteral("SEtimerPod") + n, 88, y1 + 13, 49, 1, 255, 3);
        Spin(box, QStringLiteral("SEtimerTorBuf") + n, 176, y1 + 13, 49, 1, 255, 3);
        for (int r = 1; r <= 2; ++r) {
            const int y = y1 + 24 * (r - 1);
            const QString suffix = n + QStringLiteral("Re") + QString::number(r);
            QString caption;
            if (row.plus)
                caption = r == 1 ? QStringLiteral("podanie +12V") : QStringLiteral("zanik +12V");
            else
                caption = r == 1 ? QStringLiteral("podanie masy") : QStringLiteral("zanik masy");
            Button(box, QStringLiteral("BB_ConfigNumerWe") + suffix, caption, 272, y + 2, 73, 17);
            Button(box, QStringLiteral("BBConfigWorkWe") + suffix, QStringLiteral("CLIP/SMS"), 368, y + 2, 73,
                   17);
            Edit(box, QStringLiteral("ETSMS_We%1_Re%2").arg(i).arg(r), 448, y, 281, 35);
        }
        if (i < 8)
            Bevel(box, QStringLiteral("Bevel%1").arg(i + 3), 7, y1 + 46, 730);
    }
    area->setWidget(box);
    KeepBracketsOnOneLine(reactionTime);
}
