// The code page table against the system converter: the same bytes on every
// platform. Where the converter knows the code page (Linux, ICU), every byte
// and every character of the Basic Multilingual Plane is compared both ways.
#include "CodePage1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

// What Qt's converter makes of one character, '?' where the code page has no place for it.
QByteArray systemEncode(char16_t c)
{
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Stateless);
    const QByteArray one = encoder.encode(QStringView(&c, 1));
    return encoder.hasError() || one.size() != 1 ? QByteArray("?") : one;
}

} // namespace

TEST(CodePageTable, EveryByteDecodesAsTheSystemConverterDoes)
{
    QStringDecoder decoder("windows-1250", QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        GTEST_SKIP() << "the system converter has no windows-1250 here";
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        EXPECT_EQ(FromCp1250(byte), decoder.decode(byte)) << "byte " << b;
    }
}

TEST(CodePageTable, EveryCharacterEncodesAsTheSystemConverterDoes)
{
    if (!QStringEncoder("windows-1250").isValid())
        GTEST_SKIP() << "the system converter has no windows-1250 here";
    int differences = 0;
    for (int c = 0; c < 0x10000; ++c) {
        if (QChar::isSurrogate(char32_t(c)))
            continue;
        const char16_t ch = char16_t(c);
        const QByteArray ours = ToCp1250(QString(QChar(ch)));
        if (ours != systemEncode(ch) && ++differences < 10)
            ADD_FAILURE() << "U+" << std::hex << c << ": ours " << ours.toHex().constData() << ", system "
                          << systemEncode(ch).toHex().constData();
    }
    EXPECT_EQ(differences, 0);
}

// Holds on every platform, with or without the system converter.
TEST(CodePageTable, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = FromCp1250(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1250(text), all);
}

TEST(CodePageTable, SurrogatesBecomeOneQuestionMarkEach)
{
    const QString pair = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString loneHigh(QChar(0xD83D));
    const QString loneLow(QChar(0xDE00));
    EXPECT_EQ(ToCp1250(QStringLiteral("a") + pair + QStringLiteral("b")), QByteArray("a?b"));
    EXPECT_EQ(ToCp1250(loneHigh + QStringLiteral("x")), QByteArray("?x"));
    EXPECT_EQ(ToCp1250(loneLow), QByteArray("?"));
    EXPECT_EQ(ToCp1250(pair + pair), QByteArray("??"));
}
