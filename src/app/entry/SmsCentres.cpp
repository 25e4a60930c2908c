#include "SmsCentres.h"

#include "TEdit.h"

namespace EntryChecks
{

namespace
{
struct TPreset {
    const char16_t *name;
    const char16_t *number;
};
const TPreset Presets[] = {{u"PLUS", u"+48601000310"}, {u"ERA", u"+48602951111"}, {u"IDEA", u"+48501200777"}};

// The item the box stands for; after typing that changed the text away from
// the current item, none (-1).
int SelectedItem(const QComboBox *box)
{
    const int index = box->currentIndex();
    if (index < 0)
        return -1;
    if (box->isEditable() && box->currentText() != box->itemText(index))
        return -1;
    return index;
}
} // namespace

void FillSmsCentres(QComboBox *CBcentrum)
{
    if (!CBcentrum)
        return;
    CBcentrum->clear();
    for (const TPreset &p : Presets)
        CBcentrum->addItem(QString::fromUtf16(p.name), QString::fromUtf16(p.number));
    CBcentrum->addItem(QStringLiteral("inne"));
    // The list is fixed: Enter in the text line must not add a fifth item.
    CBcentrum->setInsertPolicy(QComboBox::NoInsert);
    CBcentrum->setCurrentIndex(0);
}

void CBcentrumChange(QComboBox *CBcentrum, QLineEdit *Ecsms)
{
    if (!CBcentrum || !Ecsms)
        return;
    const int index = SelectedItem(CBcentrum);
    if (index == OtherCentre)
        Ecsms->clear();
    else if (index >= 0 && index < OtherCentre) {
        // A limited box takes the program's text in full only through its own setter.
        const QString number = CBcentrum->itemData(index).toString();
        if (auto *edit = qobject_cast<TEdit *>(Ecsms))
            edit->setText(number);
        else
            Ecsms->setText(number);
    }
}

int SmsCentrePresetIndex(const QString &number)
{
    for (int i = 0; i < OtherCentre; ++i)
        if (number == QString::fromUtf16(Presets[i].number))
            return i;
    return OtherCentre;
}

} // namespace EntryChecks
