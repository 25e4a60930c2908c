// Page "Podstawowe": SIM and SMS centre, SMS settings, the periodic report,
// programming by SMS, the CLIP settings and the additional times.
#include "ModuleFields.h"
#include "PageBuilder.h"

#include "TComboBox.h"
#include "TSpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>

using namespace Build;

namespace
{

void buildLeftColumn(QWidget *page)
{
    QGroupBox *basics =
        Group(page, QStringLiteral("GroupBox2"), QStringLiteral("podstawowe"), 8, 0, 257, 129);
    Label(basics, QStringLiteral("Label1"), QStringLiteral("Pin karty"), 8, 28);
    Edit(basics, QStringLiteral("EPin"), 104, 24, 65, 4);
    Label(basics, QStringLiteral("Label49"), QStringLiteral("centrum sms"), 8, 60);
    auto *centres = new TComboBox(basics);
    centres->setObjectName(QStringLiteral("CBcentrum"));
    centres->setGeometry(104, 56, 137, EditHeight);
    Label(basics, QStringLiteral("Label2"), QStringLiteral("nr centrum sms"), 8, 92);
    Edit(basics, QStringLiteral("Ecsms"), 104, 88, 137, 0);

    QGroupBox *sms =
        Group(page, QStringLiteral("GroupBox7"), QStringLiteral("Ustawienia SMS"), 8, 136, 257, 81);
    Label(sms, QStringLiteral("Label29"), QStringLiteral("Oczekianie na potwiedzenie"), 8, 24);
    Spin(sms, QStringLiteral("SEInNONCSTAT18"), 160, 20, 49, 10, 255, 3)->setValue(10);
    Label(sms, QStringLiteral("Label22"), QStringLiteral("[s]"), 216, 24);
    Label(sms, QStringLiteral("Label30"), QStringLiteral("ilość prób wysłania sms-a"), 8, 52);
    Spin(sms, QStringLiteral("SEInONstat916"), 160, 48, 49, 1, 10, 2);

    QGroupBox *report = Group(page, QStringLiteral("GroupBox10"),
                              QStringLiteral("Raport okresowy do użytkownika 1"), 8, 224, 257, 49);
    Check(report, QStringLiteral("ChBFlags_4"), QStringLiteral("Przyślij raport co"), 8, 24, 140);
    Spin(report, QStringLiteral("SEtestokr"), 160, 20, 49, 1, 24, 2);
    Label(report, QStringLiteral("Label40"), QStringLiteral("[h]"), 216, 24);

    QGroupBox *unknownSms =
        Group(page, QStringLiteral("GroupBox12"), QStringLiteral("Niezidentyfikowany SMS"), 8, 280, 257, 57);
    Check(unknownSms, QStringLiteral("ChbClipVerif7"),
          QStringLiteral("Odsyłaj nierozpoznane SMSy do Użytkownika 1"), 8, 26, 245);
}

void buildClipGroup(QWidget *parent, const QString &name, const QString &caption, int x,
                    const QString &family)
{
    QGroupBox *group = Group(parent, name, caption, x, 64, 185, 153);
    for (int k = 0; k < ClipActionCount; ++k)
        Check(group, family + QString::number(k), ClipActionCaption(k), 8, 20 + 16 * k, 173);
}

void buildRightColumn(QWidget *page)
{
    QGroupBox *bySms = Group(page, QStringLiteral("GroupBox6"),
                             QStringLiteral("Funkcje programowania przez SMS"), 272, 0, 401, 81);
    Check(bySms, QStringLiteral("ChBFlags_5"), QStringLiteral("Zezwolenie na programowanie sms-em."), 8, 24,
          385);
    Label(bySms, QStringLiteral("Label28"), QStringLiteral("Kod dostępu przez SMS"), 8, 52);
    Edit(bySms, QStringLiteral("EPINMOD"), 160, 48, 65, 4);

    QGroupBox *clip =
        Group(page, QStringLiteral("GroupBox3"), QStringLiteral("Ustawienia clipa"), 272, 88, 401, 249);
    Label(clip, QStringLiteral("Label3"), QStringLiteral("Dzwoń przez"), 8, 28);
    Spin(clip, QStringLiteral("SEcallingTimer"), 88, 24, 49, 1, 240, 3);
    Label(clip, QStringLiteral("Label41"), QStringLiteral("[s]"), 144, 28);
    Label(clip, QStringLiteral("Label21"), QStringLiteral("Odrzuć po"), 208, 28);
    Spin(clip, QStringLiteral("SECALL_TIMER"), 280, 24, 49, 1, 255, 3);
    Label(clip, QStringLiteral("Label42"), QStringLiteral("[s]"), 336, 28);
    buildClipGroup(clip, QStringLiteral("GroupBox8"), QStringLiteral("Clip od użytkownika"), 8,
                   QStringLiteral("ChbClipVerif"));
    buildClipGroup(clip, QStringLiteral("GroupBox9"), QStringLiteral("Clip od nieznanego numeru"), 208,
                   QStringLiteral("ChBClipNotVerif"));
    // Bit 7 of the unlisted-caller byte has no meaning on screen, but it must
    // pass through the window unchanged.
    auto *group9 = clip->findChild<QGroupBox *>(QStringLiteral("GroupBox9"));
    Check(group9, QStringLiteral("ChBClipNotVerif7"), QStringLiteral("ClipNotVerif7"), 8, 132, 173)->hide();
}

void buildAdditional(QWidget *page)
{
    QGroupBox *more = Group(page, QStringLiteral("GroupBox13"), QStringLiteral("Dodatkowe"), 8, 344, 665, 65);
    Label(more, QStringLiteral("Label63"), QStringLiteral("czas opóźnienia reakcji wejścia"), 176, 18);
    Spin(more, QStringLiteral("SE1191"), 344, 14, 49, 1, 255, 3);
    Label(more, QStringLiteral("Label62"), QStringLiteral("czas uzbrajania"), 176, 42);
    Spin(more, QStringLiteral("SE1190"), 344, 38, 49, 1, 255, 3);
    Label(more, QStringLiteral("Label64"), QStringLiteral("czas działania wyjścia syreny"), 424, 18);
    Spin(more, QStringLiteral("SE1192"), 600, 14, 49, 1, 255, 3);
    Check(more, QStringLiteral("CHB_funkcjaczaswy"), QStringLiteral("Załącz \"czas uzbrajania\""), 8, 26,
          160);
    KeepContentBelowFrameTop(more);
}

} // namespace

void BuildPageBasics(QWidget *page)
{
    buildLeftColumn(page);
    buildRightColumn(page);
    buildAdditional(page);
}
