#include "ComDataPacket.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace
{

// Shows the texts the handler is given, NUL bytes as "\0".
QString shown(const QByteArray &text)
{
    QString out;
    for (char c : text)
        out += c == 0 ? QStringLiteral("\\0") : QString(QLatin1Char(c));
    return out;
}

struct SplitCase {
    const char *name;
    QList<QByteArray> blocks;
    QStringList seen;    // every text the handler was called with, in order
    QByteArray leftOver; // the buffer afterwards
};

void PrintTo(const SplitCase &c, std::ostream *os)
{
    *os << c.name;
}

class SplitterTable : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitterTable, HandlerSeesWholeBufferAfterEachBlockAndCut)
{
    const SplitCase &c = GetParam();
    TComDataPacket splitter;
    QStringList seen;
    splitter.OnCustomStop = [&](const QByteArray &str, int &pos) {
        EXPECT_EQ(pos, -1);
        seen << shown(str);
    };
    for (const QByteArray &block : c.blocks)
        splitter.TakeBlock(block);
    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(splitter.Buffer(), c.leftOver);
}

const QByteArray big1023(1023, 'x');

INSTANTIATE_TEST_SUITE_P(
    Blocks, SplitterTable,
    ::testing::Values(
        SplitCase{"WholeAnswer", {"OK*1"}, {"OK*1", ""}, ""},
        SplitCase{"AnswerInTwoBlocks", {"OK", "*1"}, {"OK", "OK*1", ""}, ""},
        SplitCase{"TwoCharsAfterMark", {"OK*1ab", "c"}, {"OK*1ab", "ab", "abc"}, "abc"},
        SplitCase{"TwoMarksInOneBlock", {"A*1B*1"}, {"A*1B*1", "B*1", ""}, ""},
        SplitCase{"MarkAlone", {"*1"}, {"*1", ""}, ""},
        SplitCase{"MarkSplitOverBlocks", {"A*", "1"}, {"A*", "A*1", ""}, ""},
        SplitCase{"NulBytesKept", {QByteArray("\0*\0*1z", 6)}, {"\\0*\\0*1z", "z"}, "z"},
        SplitCase{"LimitEmptiesBuffer", {big1023, "y"}, {QString(big1023), QString(big1023) + "y"}, ""},
        SplitCase{"BelowLimitKept",
                  {QByteArray(1022, 'x'), "y"},
                  {QString(1022, 'x'), QString(1022, 'x') + "y"},
                  QByteArray(1022, 'x') + "y"},
        SplitCase{"LimitAfterCut",
                  {QByteArray("A*1") + big1023 + "y"},
                  {"A*1" + QString(big1023) + "y", QString(big1023) + "y"},
                  ""}),
    [](const ::testing::TestParamInfo<SplitCase> &info) { return std::string(info.param.name); });

TEST(Splitter, HandlerThatEmptiesBufferSeesAnEmptyTextOnce)
{
    TComDataPacket splitter;
    QStringList seen;
    splitter.OnCustomStop = [&](const QByteArray &str, int &) {
        seen << shown(str);
        splitter.ClearBuffer();
    };
    splitter.TakeBlock("abc*1def");
    splitter.TakeBlock("gh");
    EXPECT_EQ(seen, (QStringList{"abc*1def", "", "gh", ""}));
    EXPECT_TRUE(splitter.Buffer().isEmpty());
}

TEST(Splitter, HandlerPositionEndsPacketEarly)
{
    TComDataPacket splitter;
    QStringList seen;
    splitter.OnCustomStop = [&](const QByteArray &str, int &pos) {
        seen << shown(str);
        if (str.size() >= 2)
            pos = 2;
    };
    splitter.TakeBlock("abcde");
    EXPECT_EQ(seen, (QStringList{"abcde", "cde", "e"}));
    EXPECT_EQ(splitter.Buffer(), QByteArray("e"));
}

} // namespace
