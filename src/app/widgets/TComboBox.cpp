#include "TComboBox.h"

#include <QLineEdit>

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Typing and Enter must not add the typed text to the list.
    setInsertPolicy(QComboBox::NoInsert);
    auto changed = [this] {
        if (OnChange)
            OnChange(this);
    };
    connect(this, &QComboBox::activated, this, changed);
    connect(lineEdit(), &QLineEdit::textEdited, this, changed);
}

void TComboBox::showPopup()
{
    if (OnDropDown)
        OnDropDown();
    QComboBox::showPopup();
}
