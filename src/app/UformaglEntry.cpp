// Entry checks and SMS-centre presets. The key and leave checks are bound to
// their boxes already and are filled in by the entry unit. The presets are
// filled here because loading the window selects the preset whose number
// (the item's data) equals the stored one.
#include "Uformagl.h"

#include <QComboBox>

QChar TGlownaF::FilterDigitKey(const QString &, int, QChar key, QChar, QChar)
{
    return key;
}
void TGlownaF::Enruser1KeyPress(QObject *, QChar &) {}
void TGlownaF::EPinKeyPress(QObject *, QChar &) {}
void TGlownaF::EPinExit(QObject *) {}
void TGlownaF::EZalWy1Exit(QObject *) {}

void TGlownaF::FillSmsCentres()
{
    QComboBox *centres = Control<QComboBox>(QStringLiteral("CBcentrum"));
    centres->addItem(QStringLiteral("PLUS"), QStringLiteral("+48601000310"));
    centres->addItem(QStringLiteral("ERA"), QStringLiteral("+48602951111"));
    centres->addItem(QStringLiteral("IDEA"), QStringLiteral("+48501200777"));
    centres->addItem(QStringLiteral("inne"));
    centres->setCurrentIndex(0);
}

void TGlownaF::CBcentrumChange(QObject *) {}
