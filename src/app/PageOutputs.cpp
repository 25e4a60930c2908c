// Page "Wyjścia": SMS switching and off-time of the two outputs, and the SMS
// that confirms an output's reaction.
#include "PageBuilder.h"

#include <QGroupBox>

using namespace Build;

namespace
{
struct TOutputNames {
    const char *group, *caption, *smsFlag, *timeFlag, *onLabel, *offLabel, *timeLabel, *unitLabel;
};

void buildOutput(QWidget *page, int w, int x, const TOutputNames &names)
{
    const QString n = QString::number(w);
    QGroupBox *group =
        Group(page, QString::fromLatin1(names.group), QString::fromUtf8(names.caption), x, 8, 249, 177);
    Check(group, QString::fromLatin1(names.smsFlag), QStringLiteral("załącz/wyłącz wyjście %1 SMSsem").arg(w),
          8, 24, 233);
    Label(group, QString::fromLatin1(names.onLabel), QStringLiteral("Kod załączenia"), 24, 52);
    Edit(group, QStringLiteral("EZalWy") + n, 128, 48, 41, 2);
    Label(group, QString::fromLatin1(names.offLabel), QStringLiteral("Kod wyłączenia"), 24, 80);
    Edit(group, QStringLiteral("EwylWy") + n, 128, 76, 41, 2);
    Check(group, QString::fromLatin1(names.timeFlag), QStringLiteral("Czas wyłączenia wyjścia %1").arg(w), 8,
          112, 233);
    Label(group, QString::fromLatin1(names.timeLabel), QStringLiteral("Wyłacz wyjście %1 po czasie").arg(w),
          24, 144);
    Spin(group, QStringLiteral("SEWy_offTimer") + n, 168, 140, 49, 1, 255, 3);
    Label(group, QString::fromLatin1(names.unitLabel), QStringLiteral("[s]"), 224, 144);
}
} // namespace

void BuildPageOutputs(QWidget *page)
{
    buildOutput(
        page, 1, 40,
        {"GroupBox4", "Wyjście 1", "ChBFlags_0", "ChBFlags_2", "Label43", "Label45", "Label24", "Label47"});
    buildOutput(
        page, 2, 296,
        {"GroupBox5", "Wyjście 2", "ChBFlags_1", "ChBFlags_3", "Label44", "Label46", "Label25", "Label48"});

    QGroupBox *confirm = Group(page, QStringLiteral("GroupBox11"),
                               QStringLiteral("Potwierdzenie reakcji wyjścia"), 40, 192, 505, 161);
    Label(confirm, QStringLiteral("Label58"), QStringLiteral("Komunikat SMS gdy:"), 80, 16);
    Label(confirm, QStringLiteral("Label57"), QStringLiteral("Treść wiadomości SMS:"), 184, 16);
    struct TLine {
        int slot, reaction, y;
    };
    static const TLine lines[] = {{1, 1, 32}, {1, 2, 56}, {2, 1, 88}, {2, 2, 112}};
    for (const TLine &line : lines) {
        if (line.reaction == 1)
            Label(confirm, QString::fromLatin1(line.slot == 1 ? "Label20" : "Label19"),
                  QStringLiteral("Wyjście %1").arg(line.slot), 16, line.y + 12);
        Button(confirm, QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(line.slot).arg(line.reaction),
               line.reaction == 1 ? QStringLiteral("załączone") : QStringLiteral("wyłączone"), 88, line.y, 73,
               17);
        Edit(confirm, QStringLiteral("ETSpecSMS_We%1_Re%2").arg(line.slot).arg(line.reaction), 184,
             line.y - 2, 305, 35);
    }
    KeepContentBelowFrameTop(confirm);
}
