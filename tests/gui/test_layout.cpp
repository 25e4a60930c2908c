// Controls clear of the group frames' top lines, and the reaction-time
// heading broken before its brackets, in the window's own font.
#include "GuiFixture.h"

#include <QGroupBox>
#include <QLabel>

TEST_F(GuiTest, GroupContentLiesBelowTheFrameTopLine)
{
    window->show();
    for (const char *name : {"GroupBox13", "GroupBox11"}) {
        SCOPED_TRACE(name);
        auto *group = window->Control<QGroupBox>(QString::fromLatin1(name));
        const int frameTop = group->contentsRect().top();
        for (QWidget *child : group->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            EXPECT_GT(child->y(), frameTop) << child->objectName().toStdString();
            EXPECT_LE(child->geometry().bottom(), group->contentsRect().bottom())
                << child->objectName().toStdString();
        }
    }
    // Only the content moves: the frames stay where they were designed.
    EXPECT_EQ(window->Control<QGroupBox>("GroupBox13")->pos(), QPoint(8, 344));
    EXPECT_EQ(window->Control<QGroupBox>("GroupBox11")->geometry(), QRect(40, 192, 505, 161));
    // The rows keep their spacing.
    EXPECT_EQ(window->Control<QWidget>("SE1190")->y() - window->Control<QWidget>("SE1191")->y(), 24);
}

TEST_F(GuiTest, ReactionTimeHeadingBreaksBeforeItsBrackets)
{
    auto *label = window->Control<QLabel>("Label26");
    EXPECT_EQ(label->text(), "Czas reakcji  [ x 0,1s]");
    const QFontMetrics metrics(label->font());
    EXPECT_GE(label->width(), metrics.horizontalAdvance("Czas reakcji"));
    EXPECT_GE(label->width(), metrics.horizontalAdvance("[ x 0,1s]"));
    EXPECT_LT(label->width(), metrics.horizontalAdvance("Czas reakcji  ["));
    // Still centred where it was designed (72 .. 153).
    EXPECT_NEAR(label->x() + label->width() / 2, 72 + 81 / 2, 1);
}
