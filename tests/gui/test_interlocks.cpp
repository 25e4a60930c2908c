// The option interlocks: CLIP actions of one output exclude each other, the
// option boxes enable (and empty) the controls they govern.
#include "GuiFixture.h"

#include <QLabel>
#include <QTest>

namespace
{
// The state of boxes 0 to 5 of a family: 't' ticked, '-' clear and enabled, 'x' clear and disabled.
QString familyState(GuiTest *, TGlownaF *window, const QString &family)
{
    QString state;
    for (int k = 0; k < 6; ++k) {
        QCheckBox *b = window->Control<QCheckBox>(family + QString::number(k));
        state += b->isChecked() ? (b->isEnabled() ? 't' : 'T') : (b->isEnabled() ? '-' : 'x');
    }
    return state;
}
} // namespace

TEST_F(GuiTest, ClipActionsOfOneOutputExcludeEachOther)
{
    struct TCase {
        QString clicks; // boxes clicked in order, in the "Clip od użytkownika" group
        QString expected;
    };
    const TCase cases[] = {
        {"0", "t-x-x-"},   // switch on 1: switch off 1 and toggle 1 greyed
        {"3", "-x-t-x"},   // switch off 2
        {"33", "------"},  // unticked again: partners enabled, not ticked
        {"01", "ttxxxx"},  // one action per output
        {"033", "t-x-x-"}, // a second output's action clicked on and off
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.clicks.toStdString());
        createWindow();
        window->show();
        for (QChar k : c.clicks) {
            QCheckBox *b = box("ChbClipVerif" + QString(k));
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
        }
        EXPECT_EQ(familyState(this, window.get(), "ChbClipVerif"), c.expected);
        // The other family never changes.
        EXPECT_EQ(familyState(this, window.get(), "ChBClipNotVerif"), "------");
    }
}

TEST_F(GuiTest, LoadingSeveralActionsOfAnOutputKeepsTheHighest)
{
    struct TCase {
        std::uint8_t bits;
        QString expected;
        std::uint8_t collected;
    };
    const TCase cases[] = {
        {0x15, "--x-t-", 0x10}, // bits 0, 2, 4: toggle wins
        {0x05, "x-t-x-", 0x04}, // bits 0 and 2: switch-off wins
        {0x0A, "-x-t-x", 0x08},
        {0x41, "t-x-x-", 0x41}, // box 6 has no partners
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(int(c.bits));
        createWindow();
        ModuleSettings.ClipUnlistedActions = c.bits;
        window->BasicsToForm();
        EXPECT_EQ(familyState(this, window.get(), "ChBClipNotVerif"), c.expected);
        window->FormToBasics();
        EXPECT_EQ(ModuleSettings.ClipUnlistedActions, c.collected);
    }
}

TEST_F(GuiTest, DisableClipAlternativesHandlesBothPartners)
{
    box("ChbClipVerif2")->setChecked(true);
    EXPECT_EQ(familyState(this, window.get(), "ChbClipVerif"), "x-t-x-");
    box("ChbClipVerif0")->setEnabled(true);
    box("ChbClipVerif2")->blockSignals(true);
    box("ChbClipVerif2")->setChecked(false);
    box("ChbClipVerif2")->blockSignals(false);
    window->DisableClipAlternatives("ChbClipVerif", 2, 0, 4);
    EXPECT_EQ(familyState(this, window.get(), "ChbClipVerif"), "------");
}

TEST_F(GuiTest, OptionBoxesGovernTheirControls)
{
    struct TCase {
        const char *box;
        std::vector<const char *> governed;
    };
    const TCase cases[] = {
        {"ChBFlags_0", {"Label43", "Label45", "EZalWy1", "EwylWy1"}},
        {"ChBFlags_1", {"Label44", "Label46", "EZalWy2", "EwylWy2"}},
        {"ChBFlags_2", {"Label24", "SEWy_offTimer1", "Label47"}},
        {"ChBFlags_3", {"Label25", "SEWy_offTimer2", "Label48"}},
        {"ChBFlags_4", {"SEtestokr"}},
        {"ChBFlags_5", {"EPINMOD", "Label28"}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.box);
        for (bool on : {true, false, true}) {
            box(QString::fromLatin1(c.box))->setChecked(on);
            for (const char *name : c.governed)
                EXPECT_EQ(window->Control<QWidget>(QString::fromLatin1(name))->isEnabled(), on) << name;
        }
    }
}

TEST_F(GuiTest, SwitchingOptionsOffEmptiesCodesButKeepsTimes)
{
    box("ChBFlags_0")->setChecked(true);
    box("ChBFlags_5")->setChecked(true);
    box("ChBFlags_4")->setChecked(true);
    edit("EZalWy1")->setText("Z1");
    edit("EwylWy1")->setText("W1");
    edit("EPINMOD")->setText("9876");
    spin("SEtestokr")->setValue(12);

    box("ChBFlags_0")->setChecked(false);
    box("ChBFlags_5")->setChecked(false);
    box("ChBFlags_4")->setChecked(false);
    EXPECT_EQ(edit("EZalWy1")->text(), "");
    EXPECT_EQ(edit("EwylWy1")->text(), "");
    EXPECT_EQ(edit("EPINMOD")->text(), "");
    EXPECT_EQ(spin("SEtestokr")->value(), 12);

    box("ChBFlags_0")->setChecked(true);
    EXPECT_EQ(edit("EZalWy1")->text(), "");
    EXPECT_TRUE(edit("EZalWy1")->isEnabled());

    window->FormToBasics();
    EXPECT_EQ(ModuleSettings.ReportPeriod, 12);
}
