#include "ModuleFields.h"

QString ClipActionCaption(int bit)
{
    static const char *const captions[ClipActionCount] = {"Załącz Wy 1",
                                                          "Załącz Wy 2",
                                                          "Wyłącz Wy 1",
                                                          "Wyłącz Wy 2",
                                                          "Zmień stan na Wy 1",
                                                          "Zmień stan na Wy 2",
                                                          "Odeślij raport do użytkownika 1"};
    return bit >= 0 && bit < ClipActionCount ? QString::fromUtf8(captions[bit]) : QString();
}

namespace
{

QString inputReaction(int n, int r)
{
    return QStringLiteral("wejście %1, reakcja %2").arg(n).arg(r);
}

// The special slots by what the window shows for them.
QString specialReaction(int s, int r)
{
    switch (s) {
    case 1:
    case 2:
        return QStringLiteral("potwierdzenie wyjścia %1, %2")
            .arg(s)
            .arg(r == 1 ? QStringLiteral("załączone") : QStringLiteral("wyłączone"));
    case 3:
        return QStringLiteral("wejście napadowe, reakcja %1").arg(r);
    case 5:
        return QStringLiteral("wejście uzbrajające, reakcja %1").arg(r);
    default:
        return QStringLiteral("ukryte wejście specjalne %1, reakcja %2").arg(s).arg(r);
    }
}

QList<TModuleField> buildTable()
{
    QList<TModuleField> t;
    auto byte = [&t](const QString &caption, int offset) { t.append({caption, offset, 1, 0xFF}); };
    auto bit = [&t](const QString &caption, int offset, int b) {
        t.append({caption, offset, 1, std::uint8_t(1u << b)});
    };

    // "Podstawowe"
    t.append({QStringLiteral("Pin karty"), EepromLayout::SimPin, 7, 0xFF});
    t.append({QStringLiteral("nr centrum sms"), EepromLayout::SmsCentreNumber, EepromLayout::NumberSlotSize,
              0xFF});
    byte(QStringLiteral("Oczekianie na potwiedzenie"), 15);
    // Both copies of the attempts go out; the module is read from the second.
    t.append({QStringLiteral("ilość prób wysłania sms-a"), 16, 2, 0xFF});
    bit(QStringLiteral("Przyślij raport co"), 14, 4);
    byte(QStringLiteral("Przyślij raport co [h]"), 26);
    bit(QStringLiteral("Zezwolenie na programowanie sms-em."), 14, 5);
    t.append({QStringLiteral("Kod dostępu przez SMS"), 35, 4, 0xFF});
    byte(QStringLiteral("Dzwoń przez"), 12);
    byte(QStringLiteral("Odrzuć po"), 13);
    for (int k = 0; k < ClipActionCount; ++k)
        bit(QStringLiteral("Clip od użytkownika: ") + ClipActionCaption(k), 39, k);
    bit(QStringLiteral("Odsyłaj nierozpoznane SMSy do Użytkownika 1"), 39, 7);
    for (int k = 0; k < ClipActionCount; ++k)
        bit(QStringLiteral("Clip od nieznanego numeru: ") + ClipActionCaption(k), 40, k);
    bit(QStringLiteral("Clip od nieznanego numeru: opcja ukryta"), 40, 7);
    byte(QStringLiteral("czas opóźnienia reakcji wejścia"), 1191);
    byte(QStringLiteral("czas uzbrajania"), 1190);
    byte(QStringLiteral("czas działania wyjścia syreny"), 1192);
    // Reaction 2 of the arming input: bit 0 is the box on this page.
    const int armingReaction2 = 85 + 2 * 5;
    bit(QStringLiteral("Załącz \"czas uzbrajania\""), armingReaction2, 0);

    // "numery telefonów"
    for (int u = 1; u <= 4; ++u)
        t.append({QStringLiteral("Numer użytkownika %1").arg(u),
                  EepromLayout::UserNumber1 + EepromLayout::NumberSlotSize * (u - 1),
                  EepromLayout::NumberSlotSize, 0xFF});

    // "Wejścia"
    for (int n = 1; n <= 8; ++n) {
        byte(QStringLiteral("Czas reakcji wejścia %1").arg(n), 1 + n);
        byte(QStringLiteral("Blokada wejścia %1 po reakcji").arg(n), 17 + n);
        for (int r = 1; r <= 2; ++r) {
            const int pair = (r == 1 ? 40 : 56) + 2 * n;
            byte(QStringLiteral("Reakcja wyjść: ") + inputReaction(n, r), pair + 1);
            byte(QStringLiteral("Powiadomienie: ") + inputReaction(n, r), pair);
            t.append({QStringLiteral("Treść SMS: ") + inputReaction(n, r), (r == 1 ? 144 : 432) + 36 * n,
                      EepromLayout::TextSlotSize, 0xFF});
        }
    }

    // "Wejścia specjalne", "Wyjścia" and the slots without controls.
    for (int s : {3, 5, 1, 2, 4, 6}) {
        for (int r = 1; r <= 2; ++r) {
            const int pair = (r == 1 ? 72 : 84) + 2 * s;
            if (pair + 1 == armingReaction2)
                t.append({QStringLiteral("Reakcja wyjść: ") + specialReaction(s, r), pair + 1, 1, 0xFE});
            else
                byte(QStringLiteral("Reakcja wyjść: ") + specialReaction(s, r), pair + 1);
            byte(QStringLiteral("Powiadomienie: ") + specialReaction(s, r), pair);
            t.append({QStringLiteral("Treść SMS: ") + specialReaction(s, r), (r == 1 ? 720 : 936) + 36 * s,
                      EepromLayout::TextSlotSize, 0xFF});
        }
    }
    for (int w = 1; w <= 2; ++w) {
        t.append({QStringLiteral("Kod załączenia Wy %1").arg(w), 25 + 2 * w, 2, 0xFF});
        t.append({QStringLiteral("Kod wyłączenia Wy %1").arg(w), 29 + 2 * w, 2, 0xFF});
        bit(QStringLiteral("załącz/wyłącz wyjście %1 SMSsem").arg(w), 14, w - 1);
        bit(QStringLiteral("Czas wyłączenia wyjścia %1").arg(w), 14, w + 1);
        byte(QStringLiteral("Wyłacz wyjście %1 po czasie").arg(w), 9 + w);
    }
    bit(QStringLiteral("Opcje: bit 6"), 14, 6);
    bit(QStringLiteral("Opcje: bit 7"), 14, 7);
    return t;
}

} // namespace

const QList<TModuleField> &ModuleFields()
{
    static const QList<TModuleField> table = buildTable();
    return table;
}

QStringList DifferingFields(const TModuleSettings &expected, const TModuleSettings &actual)
{
    TEepromImage a, b;
    SettingsToEeprom(expected, a);
    SettingsToEeprom(actual, b);
    QStringList differing;
    for (const TModuleField &field : ModuleFields()) {
        for (int i = field.Offset; i < field.Offset + field.Size; ++i)
            if ((a[i] ^ b[i]) & field.Mask) {
                differing << field.Caption;
                break;
            }
    }
    return differing;
}

QString FieldListText(const QStringList &captions, int shown)
{
    if (captions.size() <= shown)
        return captions.join(QStringLiteral(", "));
    return QStringLiteral("%1 i %2 innych")
        .arg(captions.mid(0, shown).join(QStringLiteral(", ")))
        .arg(captions.size() - shown);
}
