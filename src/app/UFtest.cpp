#include "UFtest.h"

#include <QPushButton>

TFtest *Ftest = nullptr;

TFtest::TFtest(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Ftest"));
    setWindowTitle(QStringLiteral("Ftest"));
    auto *button = new QPushButton(QStringLiteral("Button1"), this);
    button->setObjectName(QStringLiteral("Button1"));
    button->move(8, 8);
}
