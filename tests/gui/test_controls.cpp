// Every control of the pages: name, parent, kind, caption, range, typing limit, visibility.
#include "GuiFixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace
{
enum TKind { Label, Edit, Spin, Check, Group, Button, Memo, Combo };

struct TControl {
    QString name;
    TKind kind;
    QString parent;
    QString caption; // labels, boxes, groups, buttons
    int minimum = 0, maximum = 0;
    int limit = 0; // typing limit of edits and spin edits
    bool visible = true;
};

std::vector<TControl> catalogue()
{
    std::vector<TControl> c = {
        // "Podstawowe"
        {"GroupBox2", Group, "TabSheet1", "podstawowe"},
        {"Label1", Label, "GroupBox2", "Pin karty"},
        {"EPin", Edit, "GroupBox2", "", 0, 0, 4},
        {"Label49", Label, "GroupBox2", "centrum sms"},
        {"CBcentrum", Combo, "GroupBox2", ""},
        {"Label2", Label, "GroupBox2", "nr centrum sms"},
        {"Ecsms", Edit, "GroupBox2", "", 0, 0, 0},
        {"GroupBox7", Group, "TabSheet1", "Ustawienia SMS"},
        {"Label29", Label, "GroupBox7", "Oczekianie na potwiedzenie"},
        {"SEInNONCSTAT18", Spin, "GroupBox7", "", 10, 255, 3},
        {"Label22", Label, "GroupBox7", "[s]"},
        {"Label30", Label, "GroupBox7", "ilość prób wysłania sms-a"},
        {"SEInONstat916", Spin, "GroupBox7", "", 1, 10, 2},
        {"GroupBox10", Group, "TabSheet1", "Raport okresowy do użytkownika 1"},
        {"ChBFlags_4", Check, "GroupBox10", "Przyślij raport co"},
        {"SEtestokr", Spin, "GroupBox10", "", 1, 24, 2},
        {"Label40", Label, "GroupBox10", "[h]"},
        {"GroupBox12", Group, "TabSheet1", "Niezidentyfikowany SMS"},
        {"ChbClipVerif7", Check, "GroupBox12", "Odsyłaj nierozpoznane SMSy do Użytkownika 1"},
        {"GroupBox6", Group, "TabSheet1", "Funkcje programowania przez SMS"},
        {"ChBFlags_5", Check, "GroupBox6", "Zezwolenie na programowanie sms-em."},
        {"Label28", Label, "GroupBox6", "Kod dostępu przez SMS"},
        {"EPINMOD", Edit, "GroupBox6", "", 0, 0, 4},
        {"GroupBox3", Group, "TabSheet1", "Ustawienia clipa"},
        {"Label3", Label, "GroupBox3", "Dzwoń przez"},
        {"SEcallingTimer", Spin, "GroupBox3", "", 1, 240, 3},
        {"Label41", Label, "GroupBox3", "[s]"},
        {"Label21", Label, "GroupBox3", "Odrzuć po"},
        {"SECALL_TIMER", Spin, "GroupBox3", "", 1, 255, 3},
        {"Label42", Label, "GroupBox3", "[s]"},
        {"GroupBox8", Group, "GroupBox3", "Clip od użytkownika"},
        {"GroupBox9", Group, "GroupBox3", "Clip od nieznanego numeru"},
        {"ChBClipNotVerif7", Check, "GroupBox9", "ClipNotVerif7", 0, 0, 0, false},
        {"GroupBox13", Group, "TabSheet1", "Dodatkowe"},
        {"CHB_funkcjaczaswy", Check, "GroupBox13", "Załącz \"czas uzbrajania\""},
        {"Label63", Label, "GroupBox13", "czas opóźnienia reakcji wejścia"},
        {"SE1191", Spin, "GroupBox13", "", 1, 255, 3},
        {"Label62", Label, "GroupBox13", "czas uzbrajania"},
        {"SE1190", Spin, "GroupBox13", "", 1, 255, 3},
        {"Label64", Label, "GroupBox13", "czas działania wyjścia syreny"},
        {"SE1192", Spin, "GroupBox13", "", 1, 255, 3},
        // "Wejścia"
        {"Label26", Label, "ScrollBox1", "Czas reakcji  [ x 0,1s]"},
        {"Label27", Label, "ScrollBox1", "Blokada wejścia po reakcji. [x 10s]"},
        {"Label55", Label, "ScrollBox1", "Reakcja wyjść na:"},
        {"Label60", Label, "ScrollBox1", "Powiadomienie:"},
        {"Label54", Label, "ScrollBox1", "Treść wiadomości SMS:"},
        // "Wejścia specjalne"
        {"Label59", Label, "TabSheet4", "Reakcja wyjść na:"},
        {"Label61", Label, "TabSheet4", "Powiadomienie:"},
        {"Label56", Label, "TabSheet4", "Treść wiadomości SMS:"},
        {"Label16", Label, "TabSheet4", "Wejście napadowe"},
        {"Label18", Label, "TabSheet4", "Wejście uzbrajające"},
        {"BB_ConfigNumerSpecWe3Re1", Button, "TabSheet4", "podanie masy"},
        {"BB_ConfigNumerSpecWe3Re2", Button, "TabSheet4", "zanik masy"},
        {"BB_ConfigNumerSpecWe5Re1", Button, "TabSheet4", "zanik masy"},
        {"BB_ConfigNumerSpecWe5Re2", Button, "TabSheet4", "podanie masy"},
        // "Wyjścia"
        {"GroupBox4", Group, "TabSheet5", "Wyjście 1"},
        {"GroupBox5", Group, "TabSheet5", "Wyjście 2"},
        {"ChBFlags_0", Check, "GroupBox4", "załącz/wyłącz wyjście 1 SMSsem"},
        {"ChBFlags_1", Check, "GroupBox5", "załącz/wyłącz wyjście 2 SMSsem"},
        {"ChBFlags_2", Check, "GroupBox4", "Czas wyłączenia wyjścia 1"},
        {"ChBFlags_3", Check, "GroupBox5", "Czas wyłączenia wyjścia 2"},
        {"Label43", Label, "GroupBox4", "Kod załączenia"},
        {"Label44", Label, "GroupBox5", "Kod załączenia"},
        {"Label45", Label, "GroupBox4", "Kod wyłączenia"},
        {"Label46", Label, "GroupBox5", "Kod wyłączenia"},
        {"Label24", Label, "GroupBox4", "Wyłacz wyjście 1 po czasie"},
        {"Label25", Label, "GroupBox5", "Wyłacz wyjście 2 po czasie"},
        {"Label47", Label, "GroupBox4", "[s]"},
        {"Label48", Label, "GroupBox5", "[s]"},
        {"GroupBox11", Group, "TabSheet5", "Potwierdzenie reakcji wyjścia"},
        {"Label58", Label, "GroupBox11", "Komunikat SMS gdy:"},
        {"Label57", Label, "GroupBox11", "Treść wiadomości SMS:"},
        {"Label20", Label, "GroupBox11", "Wyjście 1"},
        {"Label19", Label, "GroupBox11", "Wyjście 2"},
    };
    const char *clip[] = {"Załącz Wy 1",
                          "Załącz Wy 2",
                          "Wyłącz Wy 1",
                          "Wyłącz Wy 2",
                          "Zmień stan na Wy 1",
                          "Zmień stan na Wy 2",
                          "Odeślij raport do użytkownika 1"};
    for (int k = 0; k < 7; ++k) {
        c.push_back(
            {QStringLiteral("ChbClipVerif%1").arg(k), Check, "GroupBox8", QString::fromUtf8(clip[k])});
        c.push_back(
            {QStringLiteral("ChBClipNotVerif%1").arg(k), Check, "GroupBox9", QString::fromUtf8(clip[k])});
    }
    const char *userLabels[4][4] = {{"Label4", "Label31", "Label32", "Label50"},
                                    {"Label5", "Label33", "Label34", "Label51"},
                                    {"Label6", "Label36", "Label35", "Label52"},
                                    {"Label7", "Label37", "Label38", "Label53"}};
    for (int u = 1; u <= 4; ++u) {
        c.push_back({userLabels[u - 1][0], Label, "TabSheet2", QStringLiteral("Użytkownik %1").arg(u)});
        c.push_back({userLabels[u - 1][1], Label, "TabSheet2", "tel."});
        c.push_back({userLabels[u - 1][2], Label, "TabSheet2", "Nazwa"});
        c.push_back({userLabels[u - 1][3], Label, "TabSheet2", "Uwagi"});
        c.push_back({QStringLiteral("Enruser%1").arg(u), Edit, "TabSheet2", "", 0, 0, 12});
        c.push_back({QStringLiteral("Eosoba%1").arg(u), Edit, "TabSheet2", "", 0, 0, 0});
        c.push_back({QStringLiteral("Muser%1").arg(u), Memo, "TabSheet2", ""});
    }
    const char *inputLabels[] = {"Label8",  "Label9",  "Label10", "Label11",
                                 "Label12", "Label13", "Label14", "Label23"};
    const char *signs = "---+-+-+";
    for (int i = 1; i <= 8; ++i) {
        const bool plus = signs[i - 1] == '+';
        c.push_back({inputLabels[i - 1], Label, "ScrollBox1",
                     QStringLiteral("Wejście %1 (%2)").arg(i).arg(signs[i - 1])});
        c.push_back({QStringLiteral("SEtimerPod%1").arg(i), Spin, "ScrollBox1", "", 1, 255, 3});
        c.push_back({QStringLiteral("SEtimerTorBuf%1").arg(i), Spin, "ScrollBox1", "", 1, 255, 3});
        for (int r = 1; r <= 2; ++r) {
            const QString what = r == 1 ? "podanie " : "zanik ";
            c.push_back({QStringLiteral("BB_ConfigNumerWe%1Re%2").arg(i).arg(r), Button, "ScrollBox1",
                         what + (plus ? "+12V" : "masy")});
            c.push_back(
                {QStringLiteral("BBConfigWorkWe%1Re%2").arg(i).arg(r), Button, "ScrollBox1", "CLIP/SMS"});
            c.push_back({QStringLiteral("ETSMS_We%1_Re%2").arg(i).arg(r), Edit, "ScrollBox1", "", 0, 0, 35});
        }
    }
    for (int r = 1; r <= 2; ++r) {
        for (int s : {3, 5}) {
            c.push_back(
                {QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r), Button, "TabSheet4", "SMS/CLIP"});
            c.push_back(
                {QStringLiteral("ETSpecSMS_We%1_Re%2").arg(s).arg(r), Edit, "TabSheet4", "", 0, 0, 35});
        }
        for (int s : {4, 6})
            c.push_back(
                {QStringLiteral("ETSpecSMS_We%1_Re%2").arg(s).arg(r), Edit, "TabSheet4", "", 0, 0, 0, false});
        for (int s : {1, 2}) {
            c.push_back({QStringLiteral("BBConfigWorkSpecWe%1Re%2").arg(s).arg(r), Button, "GroupBox11",
                         r == 1 ? "załączone" : "wyłączone"});
            c.push_back(
                {QStringLiteral("ETSpecSMS_We%1_Re%2").arg(s).arg(r), Edit, "GroupBox11", "", 0, 0, 35});
        }
    }
    for (int w = 1; w <= 2; ++w) {
        const QString group = w == 1 ? "GroupBox4" : "GroupBox5";
        c.push_back({QStringLiteral("EZalWy%1").arg(w), Edit, group, "", 0, 0, 2});
        c.push_back({QStringLiteral("EwylWy%1").arg(w), Edit, group, "", 0, 0, 2});
        c.push_back({QStringLiteral("SEWy_offTimer%1").arg(w), Spin, group, "", 1, 255, 3});
    }
    return c;
}

QString captionOf(QObject *control, TKind kind)
{
    switch (kind) {
    case Label:
        return qobject_cast<QLabel *>(control)->text();
    case Check:
    case Button:
        return qobject_cast<QAbstractButton *>(control)->text();
    case Group:
        return qobject_cast<QGroupBox *>(control)->title();
    default:
        return QString();
    }
}

bool hasKind(QObject *control, TKind kind)
{
    switch (kind) {
    case Label:
        return qobject_cast<QLabel *>(control);
    case Edit:
        return qobject_cast<TEdit *>(control);
    case Spin:
        return qobject_cast<TSpinEdit *>(control);
    case Check:
        return qobject_cast<QCheckBox *>(control);
    case Group:
        return qobject_cast<QGroupBox *>(control);
    case Button:
        return qobject_cast<QPushButton *>(control);
    case Memo:
        return qobject_cast<TMemo *>(control);
    case Combo:
        return qobject_cast<TComboBox *>(control);
    }
    return false;
}
} // namespace

TEST_F(GuiTest, EveryPageControlAsDesigned)
{
    window->show();
    const std::vector<TControl> controls = catalogue();
    EXPECT_EQ(controls.size(), 214u);
    for (const TControl &c : controls) {
        SCOPED_TRACE(c.name.toStdString());
        QObject *control = FindControlObject(window.get(), c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->objectName(), c.name);
        EXPECT_EQ(window->findChildren<QObject *>(c.name).size(), 1);
        EXPECT_TRUE(hasKind(control, c.kind));
        ASSERT_NE(control->parent(), nullptr);
        EXPECT_EQ(control->parent()->objectName(), c.parent);
        EXPECT_EQ(captionOf(control, c.kind), c.caption);
        auto *widget = qobject_cast<QWidget *>(control);
        EXPECT_EQ(!widget->isHidden(), c.visible);
        if (c.kind == Edit) {
            EXPECT_EQ(qobject_cast<TEdit *>(control)->typingLimit(), c.limit);
        }
        if (c.kind == Spin) {
            auto *s = qobject_cast<TSpinEdit *>(control);
            EXPECT_EQ(s->minimum(), c.minimum);
            EXPECT_EQ(s->maximum(), c.maximum);
            EXPECT_EQ(s->typingLimit(), c.limit);
        }
        // No caption is clipped by its control.
        if (c.visible && !c.caption.isEmpty()) {
            const int text = widget->fontMetrics().horizontalAdvance(c.caption);
            if (c.kind == Check) {
                EXPECT_LE(widget->sizeHint().width(), widget->width());
            } else if (c.kind == Button) {
                EXPECT_LE(text + 6, widget->width());
            } else if (c.kind == Group) {
                EXPECT_LE(text + 8, widget->width());
            }
        }
    }
}

TEST_F(GuiTest, LookupIgnoresLetterCase)
{
    EXPECT_EQ(FindControlObject(window.get(), "setimerpod3"), spin("SEtimerPod3"));
    EXPECT_EQ(FindControlObject(window.get(), "CHBCLIPVERIF0"), box("ChbClipVerif0"));
}

// Names found once are remembered; what happens to the control later must
// still be seen by the next lookup.
TEST(ControlLookupTest, RemembersOnlyWhatStillHolds)
{
    auto root = std::make_unique<QWidget>();
    QWidget other;
    auto *group = new QWidget(root.get());
    auto *edit = new QLineEdit(group);
    edit->setObjectName(QStringLiteral("Ecsms"));
    ASSERT_EQ(FindControlObject(root.get(), "ecsms"), edit);

    edit->setObjectName(QStringLiteral("EPin"));
    EXPECT_EQ(FindControlObject(root.get(), "ecsms"), nullptr);
    EXPECT_EQ(FindControlObject(root.get(), "EPin"), edit);

    edit->setParent(&other);
    EXPECT_EQ(FindControlObject(root.get(), "EPin"), nullptr);
    EXPECT_EQ(FindControlObject(&other, "EPin"), edit);

    edit->setParent(group);
    ASSERT_EQ(FindControlObject(root.get(), "EPin"), edit);
    delete edit;
    EXPECT_EQ(FindControlObject(root.get(), "EPin"), nullptr);

    // A second control of the name found after the first went.
    auto *again = new QLineEdit(root.get());
    again->setObjectName(QStringLiteral("EPin"));
    EXPECT_EQ(FindControlObject(root.get(), "epin"), again);

    // A root that went takes its names along; a new one starts afresh.
    root.reset();
    auto fresh = std::make_unique<QWidget>();
    auto *label = new QLabel(fresh.get());
    label->setObjectName(QStringLiteral("EPin"));
    EXPECT_EQ(FindControlObject(fresh.get(), "EPin"), label);
    EXPECT_EQ(FindControlObject(nullptr, "EPin"), nullptr);
}

TEST_F(GuiTest, OnlyTheInputsPageScrolls)
{
    window->show();
    window->PageControl2->setCurrentIndex(2);
    window->resize(400, window->height());
    QWidget *content = window->Control<QWidget>("ScrollBox1");
    auto *area = qobject_cast<QScrollArea *>(content->parentWidget()->parentWidget());
    ASSERT_NE(area, nullptr);
    QTRY_VERIFY(area->horizontalScrollBar()->maximum() > 0);
    EXPECT_TRUE(window->findChildren<QAbstractScrollArea *>(Qt::FindChildrenRecursively).size() > 0);
    for (int page : {0, 1, 3, 4})
        EXPECT_TRUE(window->PageControl2->widget(page)->findChildren<QScrollArea *>().isEmpty());
}
