#include "UFconfigNumberWeRe.h"

#include <QFont>

TFconfigNumberWeRe *FconfigNumberWeRe = nullptr;

namespace
{
constexpr int BoxHeight = 17;
}

TFconfigNumberWeRe::TFconfigNumberWeRe(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FconfigNumberWeRe"));
    setWindowTitle(QStringLiteral("FconfigNumberWeRe"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(367, 212);

    // Created in tab order.
    ChBNoActiv = makeBox("ChBNoActiv", 32, 16, 200, QStringLiteral("Opcje nieaktywne"));
    ChBTimeRaport = makeBox("ChBTimeRaport", 184, 40, 180, QStringLiteral("Odeślij raport"));
    ChBTimeOFFWy1 = makeBox("ChBTimeOFFWy1", 184, 64, 180, QStringLiteral("ChBTimeOFFWy1"));
    ChBTimeOFFWy2 = makeBox("ChBTimeOFFWy2", 184, 88, 180, QStringLiteral("ChBTimeOFFWy2"));
    ChBONwy1IN = makeBox("ChBONwy1IN", 40, 48, 140, QStringLiteral("Załącz wyjście 1"));
    ChBOFFwy1In = makeBox("ChBOFFwy1In", 40, 72, 140, QStringLiteral("Wyłącz wyjście 1"));
    ChBonWy2In = makeBox("ChBonWy2In", 40, 96, 140, QStringLiteral("Załącz wyjście 2"));
    ChBOFFWY2iN = makeBox("ChBOFFWY2iN", 40, 120, 140, QStringLiteral("Wyłącz wyjście 2"));

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(264, 168, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(24, 168, 75, 25);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    // toggled, not clicked: the handlers must also run when the program sets a box.
    connect(ChBNoActiv, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBNoActivClick);
    connect(ChBONwy1IN, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBONwy1INClick);
    connect(ChBOFFwy1In, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBOFFwy1InClick);
    connect(ChBonWy2In, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBonWy2InClick);
    connect(ChBOFFWY2iN, &QCheckBox::toggled, this, &TFconfigNumberWeRe::ChBOFFWY2iNClick);
}

QCheckBox *TFconfigNumberWeRe::makeBox(const char *name, int left, int top, int width, const QString &caption)
{
    auto *box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(left, top, width, BoxHeight);
    return box;
}

void TFconfigNumberWeRe::LoadReactionByte(std::uint8_t value)
{
    // From bit 7 down: "no action" first, then "off" before "on" of each
    // output, so a byte asking for both loads with "on" alone.
    QCheckBox *const byBit[8] = {ChBTimeRaport, ChBTimeOFFWy1, ChBTimeOFFWy2, ChBONwy1IN,
                                 ChBOFFwy1In,   ChBonWy2In,    ChBOFFWY2iN,   ChBNoActiv};
    for (int bit = 7; bit >= 0; --bit)
        byBit[bit]->setChecked((value >> bit) & 1);
}

std::uint8_t TFconfigNumberWeRe::ReactionByte() const
{
    if (ChBNoActiv->isChecked())
        return 0x80;
    QCheckBox *const byBit[7] = {ChBTimeRaport, ChBTimeOFFWy1, ChBTimeOFFWy2, ChBONwy1IN,
                                 ChBOFFwy1In,   ChBonWy2In,    ChBOFFWY2iN};
    std::uint8_t value = 0;
    for (int bit = 0; bit < 7; ++bit)
        if (byBit[bit]->isChecked())
            value |= std::uint8_t(1u << bit);
    // A byte without any bit would tell the module nothing; "no action" is
    // stored as bit 7.
    return value ? value : 0x80;
}

void TFconfigNumberWeRe::ChBNoActivClick()
{
    NoActivBusy = true;
    const bool enable = !ChBNoActiv->isChecked();
    for (QCheckBox *box :
         {ChBTimeRaport, ChBTimeOFFWy1, ChBTimeOFFWy2, ChBONwy1IN, ChBOFFwy1In, ChBonWy2In, ChBOFFWY2iN})
        box->setEnabled(enable);
    if (!enable) {
        // The delayed-reaction box keeps its tick: it is stored as 80 hex anyway.
        for (QCheckBox *box :
             {ChBONwy1IN, ChBOFFwy1In, ChBonWy2In, ChBOFFWY2iN, ChBTimeOFFWy1, ChBTimeOFFWy2})
            box->setChecked(false);
    }
    NoActivBusy = false;
}

void TFconfigNumberWeRe::pairClick(QCheckBox *box, QCheckBox *partner)
{
    if (NoActivBusy)
        return;
    const bool enable = !box->isChecked();
    partner->setEnabled(enable);
    if (!enable)
        partner->setChecked(false);
}

void TFconfigNumberWeRe::ChBONwy1INClick()
{
    pairClick(ChBONwy1IN, ChBOFFwy1In);
}

void TFconfigNumberWeRe::ChBOFFwy1InClick()
{
    pairClick(ChBOFFwy1In, ChBONwy1IN);
}

void TFconfigNumberWeRe::ChBonWy2InClick()
{
    pairClick(ChBonWy2In, ChBOFFWY2iN);
}

void TFconfigNumberWeRe::ChBOFFWY2iNClick()
{
    pairClick(ChBOFFWY2iN, ChBonWy2In);
}
