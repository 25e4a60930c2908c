#include "UfconfigWorkWeRe.h"

#include <QFont>

TFConfigWorkWeRe *FConfigWorkWeRe = nullptr;

TFConfigWorkWeRe::TFConfigWorkWeRe(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FConfigWorkWeRe"));
    setWindowTitle(QStringLiteral("FConfigWorkWeRe"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(243, 257);

    Label5 = new QLabel(QStringLiteral("SMS"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->move(104, 8);
    Label6 = new QLabel(QStringLiteral("CLIP"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->move(168, 8);

    const int rows[4] = {32, 80, 128, 168};
    const QString designNames[4] = {QStringLiteral("User 1"), QStringLiteral("User 2"),
                                    QStringLiteral("User3"), QStringLiteral("User 4")};
    for (int i = 0; i < 4; ++i) {
        const QString u = QString::number(i + 1);
        Luser[i] = new QLabel(designNames[i], this);
        Luser[i]->setObjectName(QStringLiteral("Luser") + u);
        // A long user name wraps within its row instead of running under the boxes.
        Luser[i]->setGeometry(24, rows[i], 84, 40);
        Luser[i]->setWordWrap(true);
        Luser[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        ChBUSSMS[i] = new QCheckBox(this);
        ChBUSSMS[i]->setObjectName(QStringLiteral("ChBUS") + u + QStringLiteral("SMS"));
        ChBUSSMS[i]->setGeometry(112, rows[i], 17, 17);
        ChBUSClip[i] = new QCheckBox(this);
        ChBUSClip[i]->setObjectName(QStringLiteral("ChBUS") + u + QStringLiteral("Clip"));
        ChBUSClip[i]->setGeometry(168, rows[i], 17, 17);
    }

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(152, 216, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Anuluj"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(8, 216, 75, 25);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    // Tab order: the boxes row by row, then the buttons.
    QWidget *previous = nullptr;
    for (int i = 0; i < 4; ++i)
        for (QWidget *w : {static_cast<QWidget *>(ChBUSSMS[i]), static_cast<QWidget *>(ChBUSClip[i])}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    setTabOrder(previous, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
}

void TFConfigWorkWeRe::LoadNotificationByte(std::uint8_t value)
{
    for (int i = 0; i < 4; ++i) {
        ChBUSSMS[i]->setChecked((value >> (2 * i)) & 1);
        ChBUSClip[i]->setChecked((value >> (2 * i + 1)) & 1);
    }
}

std::uint8_t TFConfigWorkWeRe::NotificationByte() const
{
    std::uint8_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (ChBUSSMS[i]->isChecked())
            value |= std::uint8_t(1u << (2 * i));
        if (ChBUSClip[i]->isChecked())
            value |= std::uint8_t(1u << (2 * i + 1));
    }
    return value;
}
