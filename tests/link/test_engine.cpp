#include "FakeLinkHost.h"
#include "LinkEngine.h"
#include "LinkRules.h"
#include "LinkTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{

struct EngineFixture : ::testing::Test {
    FakeLinkHost host;
    TEepromImage image{};
    TLinkEngine engine{host, image};

    void SetUp() override
    {
        for (int i = 0; i < int(image.size()); ++i)
            image[i] = std::uint8_t(i * 7 + 3);
    }
    void startProgramming()
    {
        QString error;
        ASSERT_TRUE(engine.BeginProgramming(error));
    }
    // Runs until frame 27 is out.
    void runToStage3()
    {
        startProgramming();
        engine.TakeBlock("OK*1");
        for (int k = 0; k < 26; ++k)
            engine.TakeBlock("D*1");
        ASSERT_EQ(engine.ProgramStage, 3);
    }
};

// Sets the stream's checksum byte (image byte 41, after the lead byte) to
// what the image bytes 2 to 40 it carries give.
QByteArray withChecksum(QByteArray stream)
{
    TEepromImage image{};
    for (int i = 0; i <= EepromLayout::Checksum; ++i)
        image[i] = std::uint8_t(stream[i + 1]);
    stream[EepromLayout::Checksum + 1] = char(EepromChecksum(image));
    return stream;
}

QByteArray frameFor(const TEepromImage &image, int first, int count)
{
    return "*0" + QByteArray(reinterpret_cast<const char *>(image.data() + first), count) + "*1";
}

TEST(LinkRules, TrimLogKeepsSevenLines)
{
    QStringList lines;
    for (int i = 1; i <= 8; ++i) {
        TrimLog(lines);
        lines << QString::number(i);
    }
    EXPECT_EQ(lines, (QStringList{"2", "3", "4", "5", "6", "7", "8"}));
}

TEST(LinkRules, InternationalNumbers)
{
    struct Case {
        QStringList numbers;
        bool ok;
    } cases[] = {
        {{"123456789", "", "", ""}, false}, {{"+48123456789", "", "", ""}, true}, {{"12", "1", "", ""}, true},
        {{"", "", "", "600"}, false},       {{"+1", "+48600", "48", ""}, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumbersAreInternational(c.numbers), c.ok) << c.numbers.join(',').toStdString();
}

TEST(LinkRules, ProgressPercentsAndText)
{
    const int expected[] = {3,  7,  11, 15, 19, 23, 26, 30, 34, 38, 42, 46, 50,
                            53, 57, 61, 65, 69, 73, 76, 80, 84, 88, 92, 96, 100};
    for (int j = 1; j <= 26; ++j)
        EXPECT_EQ(ProgressPercent(j), expected[j - 1]) << j;
    EXPECT_EQ(ProgressText(3, "##"), QStringLiteral("Postęp: 3% ##"));
}

TEST_F(EngineFixture, WholeRunSendsFramesAndProgressThenEndsOnOk)
{
    startProgramming();
    EXPECT_EQ(host.written, QList<QByteArray>{"*2*1"});
    EXPECT_EQ(engine.ProgramStage, 1);
    EXPECT_TRUE(host.timerEnabled);

    engine.TakeBlock("OK*1");
    EXPECT_EQ(engine.ProgramStage, 2);
    ASSERT_EQ(host.written.size(), 2);
    EXPECT_EQ(host.written[1], frameFor(image, 0, 25));
    EXPECT_EQ(host.written[1].size(), 29);
    EXPECT_EQ(host.lines, (QStringList{"Rozpoczęcie programowania.", "postęp: "}));
    EXPECT_EQ(host.timerStarts, 1) << "frame 1 does not restart the count";

    QString bar;
    for (int j = 1; j <= 26; ++j) {
        engine.TakeBlock("D*1");
        ASSERT_EQ(host.written.size(), 2 + j);
        EXPECT_EQ(host.written.last(), frameFor(image, 25 + 45 * (j - 1), 45)) << j;
        EXPECT_EQ(host.written.last().size(), 49);
        bar += "##";
        EXPECT_EQ(host.lines[1], ProgressText(ProgressPercent(j), bar));
        EXPECT_EQ(engine.ProgramStage, j < 26 ? 2 : 3) << j;
    }
    EXPECT_EQ(engine.SendOffset, 1195);
    EXPECT_EQ(host.rewrites, 26);
    EXPECT_EQ(host.lines[1], "Postęp: 100% " + QString(52, '#'));
    EXPECT_EQ(host.timerStarts, 27);

    engine.TakeBlock("OK*1");
    EXPECT_EQ(engine.ProgramStage, 0);
    EXPECT_EQ(host.lines.last(), LinkText::ProgrammingDone);
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::Programmed});
    EXPECT_EQ(host.written.size(), 28) << "no *5*1 after a direct OK";
}

TEST_F(EngineFixture, PlainAnswerToLastFrameAsksForEndCommand)
{
    runToStage3();
    const int before = int(host.written.size());
    engine.TakeBlock("D*1");
    EXPECT_EQ(host.written.size(), before + 1);
    EXPECT_EQ(host.written.last(), QByteArray("*5*1"));
    EXPECT_EQ(engine.ProgramStage, 3);
    engine.TakeBlock("X*1"); // still not OK: the end command once more
    EXPECT_EQ(host.written.last(), QByteArray("*5*1"));
    EXPECT_EQ(host.written.size(), before + 2);
    engine.TakeBlock("OK*1");
    EXPECT_EQ(engine.ProgramStage, 0);
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::Programmed});
}

TEST_F(EngineFixture, OkWithAnotherMarkInStage3EndsWithoutEndCommand)
{
    runToStage3();
    const int before = int(host.written.size());
    engine.TakeBlock("OK*1D*1");
    EXPECT_EQ(host.written.size(), before);
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::Programmed});
}

TEST_F(EngineFixture, StageOneAnswerInTwoBlocksAddsLinesTwice)
{
    startProgramming();
    engine.TakeBlock("OK");
    EXPECT_EQ(engine.ProgramStage, 1);
    engine.TakeBlock("*1");
    EXPECT_EQ(engine.ProgramStage, 2);
    EXPECT_EQ(host.lines, (QStringList{"Rozpoczęcie programowania.", "postęp: ", "Rozpoczęcie programowania.",
                                       "postęp: "}));
    engine.TakeBlock("D*1");
    EXPECT_EQ(host.lines[3], "Postęp: 3% ##");
    EXPECT_EQ(host.lines[1], "postęp: ");
}

TEST_F(EngineFixture, AnswersThatAcknowledgeNothing)
{
    startProgramming();
    engine.TakeBlock("OK*1");
    const int before = int(host.written.size());
    engine.TakeBlock("*1");      // mark at position 1
    engine.TakeBlock("garbage"); // no mark
    EXPECT_EQ(host.written.size(), before);
    EXPECT_EQ(engine.ProgramStage, 2);
    engine.TakeBlock("D*1D*1"); // two acknowledgements in one block: two frames
    EXPECT_EQ(host.written.size(), before + 2);
    EXPECT_EQ(engine.FramesSent, 2);
}

TEST_F(EngineFixture, TimeOutEndsEitherSequence)
{
    startProgramming();
    engine.Timer1Timer();
    EXPECT_EQ(engine.ProgramStage, 0);
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_EQ(host.lines.last(), LinkText::NoAnswer);
    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    engine.TakeBlock("partial");
    engine.Timer1Timer();
    EXPECT_EQ(engine.ReadStage, 0);
    EXPECT_EQ(host.ends, (QList<TLinkEnd>{TLinkEnd::TimedOut, TLinkEnd::TimedOut}));
    EXPECT_EQ(host.imagesReceived, 0);
}

TEST_F(EngineFixture, FailedWritesEndTheRun)
{
    struct Case {
        int failingWrite; // 0 "*2*1", 1 frame 1, 2 frame 2, 27 frame 27, 28 "*5*1"
    } cases[] = {{0}, {1}, {2}, {27}, {28}};
    for (const Case &c : cases) {
        FakeLinkHost h;
        TLinkEngine e(h, image);
        h.failWriteAt = c.failingWrite;
        QString error;
        const bool started = e.BeginProgramming(error);
        EXPECT_EQ(started, c.failingWrite != 0);
        if (started) {
            e.TakeBlock("OK*1");
            for (int k = 0; k < 27 && e.ProgramStage != 0; ++k)
                e.TakeBlock("D*1");
            EXPECT_EQ(h.ends, QList<TLinkEnd>{TLinkEnd::Failed}) << c.failingWrite;
            EXPECT_TRUE(h.lines.last().startsWith("Błąd wysyłania do modułu")) << c.failingWrite;
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
        EXPECT_EQ(e.ProgramStage, 0);
        EXPECT_FALSE(h.timerEnabled);
        EXPECT_EQ(int(h.written.size()), c.failingWrite);
    }
}

TEST_F(EngineFixture, DeviceLostDuringReadBackDecodesNothing)
{
    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    engine.TakeBlock(QByteArray(900, 'a'));
    engine.Abort("gone");
    EXPECT_EQ(engine.ReadStage, 0);
    EXPECT_TRUE(engine.ReceivedBytes.isEmpty());
    EXPECT_EQ(host.imagesReceived, 0);
    EXPECT_EQ(host.lines.last(), "gone");
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::Failed});
}

// A read-back stream cut into blocks at the given sizes.
struct ReadCase {
    const char *name;
    QList<int> cuts; // block sizes; the rest is the last block
    int streamImageBytes;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

class ReadBackTable : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadBackTable, RebuildsFromStreamBytesOneTo1700)
{
    const ReadCase &c = GetParam();
    FakeLinkHost host;
    TEepromImage image;
    image.fill(0xEE);
    TLinkEngine engine(host, image);
    std::mt19937 rng(7);
    QByteArray stream(1, 'L');
    for (int i = 0; i < c.streamImageBytes; ++i)
        stream.append(char(rng() & 0xFF));
    // Image bytes that look like the end mark, early and right at the end.
    stream.replace(10, 2, "*1");
    stream[1700] = '*';
    stream = withChecksum(stream) + "*1";
    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    qsizetype at = 0;
    for (int size : c.cuts) {
        engine.TakeBlock(stream.mid(at, size));
        at += size;
        EXPECT_EQ(engine.ReadStage, 2) << "ended early at " << at;
    }
    engine.TakeBlock(stream.mid(at));

    EXPECT_EQ(engine.ReadStage, 0);
    EXPECT_EQ(host.imagesReceived, 1);
    EXPECT_EQ(host.lines.last(), LinkText::ReadBackDone);
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::ReadBack});
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_TRUE(engine.ReceivedBytes.isEmpty());
    for (int i = 0; i < 1700; ++i)
        ASSERT_EQ(image[i], std::uint8_t(stream[i + 1])) << i;
    for (int i = 1700; i < 2048; ++i)
        ASSERT_EQ(image[i], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ReadBackTable,
    ::testing::Values(ReadCase{"OneBlock", {}, 1700}, ReadCase{"Stream1701ThenMark", {1701}, 1700},
                      ReadCase{"SmallBlocks", {5, 7, 64, 64, 64, 64, 500, 900}, 1700},
                      ReadCase{"EndMarkSplit", {1702}, 1700}, ReadCase{"Longer2048", {1000}, 2048},
                      ReadCase{"EarlyMarkInOwnBlock", {10, 2, 100}, 1700}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST_F(EngineFixture, ShortStreamIsNotDecoded)
{
    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    engine.TakeBlock("L" + QByteArray(100, 'x') + "*1");
    EXPECT_EQ(engine.ReadStage, 2);
    EXPECT_EQ(host.imagesReceived, 0);
    engine.Timer1Timer();
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::TimedOut});
}

TEST_F(EngineFixture, ReadBackStartsFromEmpty)
{
    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    engine.TakeBlock(QByteArray(50, 'z'));
    engine.Timer1Timer();
    engine.TakeBlock("left"); // a partial answer waiting in the splitter
    ASSERT_TRUE(engine.BeginReadBack(error));
    EXPECT_TRUE(engine.ReceivedBytes.isEmpty());
    EXPECT_TRUE(engine.ComDataPacket2().Buffer().isEmpty());
    EXPECT_EQ(host.written.last(), QByteArray("*3*1"));
    QByteArray stream = withChecksum("L" + QByteArray(1700, 'q')) + "*1";
    engine.TakeBlock(stream);
    EXPECT_EQ(image[0], 'q');
    EXPECT_EQ(image[1699], 'q');
}

// A line that keeps talking before the end mark: the bytes past the image
// are not kept, and the end mark is still found, also split over two blocks.
TEST_F(EngineFixture, LongStreamKeepsOnlyWhatItUses)
{
    for (const bool splitEnd : {false, true}) {
        QString error;
        ASSERT_TRUE(engine.BeginReadBack(error));
        const QByteArray head = withChecksum("L" + QByteArray(1700, 'q'));
        engine.TakeBlock(head);
        for (int k = 0; k < 40; ++k) {
            engine.TakeBlock(QByteArray(500, 'x'));
            ASSERT_LE(engine.ReceivedBytes.size(), LinkFrames::ReadBackKept);
        }
        if (splitEnd) {
            engine.TakeBlock("yy*");
            EXPECT_EQ(engine.ReadStage, 2);
            engine.TakeBlock("1");
        } else {
            engine.TakeBlock("yy*1");
        }
        EXPECT_EQ(engine.ReadStage, 0) << splitEnd;
        EXPECT_EQ(host.ends.last(), TLinkEnd::ReadBack);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(image.data()), 1700), head.mid(1));
    }
}

// The stream of a module holding these settings, as it answers "*3*1".
QByteArray moduleStream(const TModuleSettings &settings)
{
    TEepromImage image;
    SettingsToEeprom(settings, image);
    return "L" + QByteArray(reinterpret_cast<const char *>(image.data()), 1700) + "*1";
}

// Noise ahead of the module's answer shifts every image byte; the checksum
// catches it before anything is decoded, and only a yes loads the data.
struct ChecksumCase {
    const char *name;
    int noiseBytes;  // inserted after the lead byte
    int damagedByte; // image byte flipped, or -1
    bool accept;     // the host's answer to the question
};

void PrintTo(const ChecksumCase &c, std::ostream *os)
{
    *os << c.name;
}

class ChecksumTable : public ::testing::TestWithParam<ChecksumCase>
{
};

TEST_P(ChecksumTable, BadChecksumIsAskedAboutBeforeDecoding)
{
    const ChecksumCase &c = GetParam();
    FakeLinkHost host;
    host.acceptBadChecksum = c.accept;
    TEepromImage image;
    image.fill(0xEE);
    const TEepromImage before = image;
    TLinkEngine engine(host, image);
    TModuleSettings settings{};
    SetDefaultSettings(settings);
    settings.SmsCentreNumber.setText("+48601000310");
    QByteArray stream = moduleStream(settings);
    if (c.damagedByte >= 0)
        stream[c.damagedByte + 1] = char(stream[c.damagedByte + 1] ^ 0x10);
    std::mt19937 rng(16);
    QByteArray noise;
    while (noise.size() < c.noiseBytes)
        if (const char b = char(rng() & 0xFF); b != '*')
            noise.append(b);
    stream.insert(1, noise);

    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    engine.TakeBlock(stream.left(700));
    engine.TakeBlock(stream.mid(700));

    EXPECT_EQ(engine.ReadStage, 0);
    EXPECT_TRUE(engine.ReceivedBytes.isEmpty());
    EXPECT_FALSE(host.timerEnabled);
    EXPECT_EQ(host.checksumQuestions, 1);
    EXPECT_FALSE(host.timerOnWhenAsked);
    EXPECT_TRUE(std::any_of(host.lines.begin(), host.lines.end(),
                            [](const QString &l) { return l.startsWith("Błędna suma kontrolna"); }));
    if (c.accept) {
        EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::ReadBack});
        EXPECT_EQ(host.imagesReceived, 1);
        EXPECT_EQ(host.lines.last(), LinkText::ReadBackDone);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(image.data()), 1700), stream.mid(1, 1700));
    } else {
        EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::BadChecksum});
        EXPECT_EQ(host.imagesReceived, 0);
        EXPECT_EQ(host.lines.last(), LinkText::BadChecksumRefused);
        EXPECT_TRUE(image == before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ChecksumTable,
    ::testing::Values(ChecksumCase{"Noise1Refused", 1, -1, false},
                      ChecksumCase{"Noise3Refused", 3, -1, false},
                      ChecksumCase{"Noise16Refused", 16, -1, false},
                      ChecksumCase{"Noise16Accepted", 16, -1, true},
                      ChecksumCase{"CoveredByteDamagedRefused", 0, 20, false},
                      ChecksumCase{"ChecksumByteDamagedAccepted", 0, EepromLayout::Checksum, true}),
    [](const ::testing::TestParamInfo<ChecksumCase> &info) { return std::string(info.param.name); });

TEST_F(EngineFixture, GoodChecksumIsNotAskedAbout)
{
    TModuleSettings settings{};
    SetDefaultSettings(settings);
    QString error;
    ASSERT_TRUE(engine.BeginReadBack(error));
    engine.TakeBlock(moduleStream(settings));
    EXPECT_EQ(host.checksumQuestions, 0);
    EXPECT_EQ(host.ends, QList<TLinkEnd>{TLinkEnd::ReadBack});
    EXPECT_TRUE(EepromChecksumMatches(image));
}

// A handler that runs an event loop may see the port deliver more while it
// runs; those bytes are examined after it, in order, and nothing is lost.
TEST(Splitter, BlockArrivingWhileTheHandlerRunsIsExaminedAfterIt)
{
    TComDataPacket splitter;
    QList<QByteArray> seen;
    bool nested = false;
    splitter.OnCustomStop = [&](const QByteArray &Str, int &) {
        seen << Str;
        if (!nested && Str.contains("*1")) {
            nested = true;
            splitter.TakeBlock("B*1C");
            EXPECT_EQ(seen.size(), 1); // not examined inside
        }
    };
    splitter.TakeBlock("A*1");
    EXPECT_EQ(seen, (QList<QByteArray>{"A*1", "B*1C", "C"}));
    EXPECT_EQ(splitter.Buffer(), QByteArray("C"));
}

} // namespace
