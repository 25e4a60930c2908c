// A stand-in for the main window with the real names and parents of the
// reaction buttons and of the user boxes, so that name parsing and family
// detection run on real widgets.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QString>
#include <QTabWidget>
#include <QWidget>

class MainWindowFixture : public QWidget
{
  public:
    MainWindowFixture()
    {
        setObjectName(QStringLiteral("GlownaF"));
        auto *pages = new QTabWidget(this);
        pages->setObjectName(QStringLiteral("PageControl2"));

        auto *users = new QWidget;
        users->setObjectName(QStringLiteral("TabSheet2"));
        for (int u = 1; u <= 4; ++u) {
            Enruser[u - 1] = new QLineEdit(users);
            Enruser[u - 1]->setObjectName(QStringLiteral("Enruser%1").arg(u));
            Eosoba[u - 1] = new QLineEdit(users);
            Eosoba[u - 1]->setObjectName(QStringLiteral("Eosoba%1").arg(u));
        }
        pages->addTab(users, QStringLiteral("numery telefonów"));

        auto *inputs = new QWidget;
        inputs->setObjectName(QStringLiteral("TabSheet3"));
        auto *scroll = new QScrollArea(inputs);
        scroll->setObjectName(QStringLiteral("ScrollBox1"));
        auto *content = new QWidget;
        content->setObjectName(QStringLiteral("ScrollBoxContent"));
        for (int i = 1; i <= 8; ++i)
            for (int r = 1; r <= 2; ++r) {
                addButton(content, QStringLiteral("BB_ConfigNumerWe%1Re%2").arg(i).arg(r));
                addButton(content, QStringLiteral("BBConfigWorkWe%1Re%2").arg(i).arg(r));
            }
        scroll->setWidget(content);
        pages->addTab(inputs, QStringLiteral("Wejścia"));

        auto *special = new QWidget;
        special->setObjectName(QStringLiteral("TabSheet4"));
        for (int s : {3, 5})
            for (int r = 1; r <= 2; ++r) {
                addButton(special, QStringLiteral("BB_ConfigNumerSpecWe%1Re%2").arg(s).arg(r));
                addButton(special, QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r));
            }
        pages->addTab(special, QStringLiteral("Wejścia specjalne"));

        auto *outputs = new QWidget;
        outputs->setObjectName(QStringLiteral("TabSheet5"));
        auto *confirm = new QGroupBox(QStringLiteral("Potwierdzenie reakcji wyjścia"), outputs);
        confirm->setObjectName(QStringLiteral("GroupBox11"));
        for (int s : {1, 2})
            for (int r = 1; r <= 2; ++r)
                addButton(confirm, QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r));
        pages->addTab(outputs, QStringLiteral("Wyjścia"));
    }

    QPushButton *button(const QString &name) const { return findChild<QPushButton *>(name); }

    QLineEdit *Enruser[4];
    QLineEdit *Eosoba[4];

  private:
    static void addButton(QWidget *parent, const QString &name)
    {
        auto *b = new QPushButton(name, parent);
        b->setObjectName(name);
    }
};
