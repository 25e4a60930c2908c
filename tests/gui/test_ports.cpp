// The port list: values read until the first failure, sorted without regard to case.
#include "GuiFixture.h"

TEST(PortList, SortedCaseInsensitiveDuplicatesKept)
{
    struct TCase {
        std::vector<QByteArray> data;
        QStringList expected;
    };
    const TCase cases[] = {
        {{"COM1", "COM2", "COM10"}, {"COM1", "COM10", "COM2"}},
        {{"COM10", "COM2", "COM1"}, {"COM1", "COM10", "COM2"}},
        {{"com3", "COM2"}, {"COM2", "com3"}},
        {{"COM4", "COM4"}, {"COM4", "COM4"}},
        {{"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyACM1"}, {"/dev/ttyACM1", "/dev/ttyS0", "/dev/ttyUSB0"}},
        {{QByteArray("COM7\0junk", 9)}, {"COM7"}}, // data up to its terminating zero
        {{QByteArray("COM8", 4)}, {"COM8"}},       // no zero at all
        {{}, {}},
    };
    for (const TCase &c : cases) {
        TFakePortSource source;
        for (const QByteArray &d : c.data)
            source.Values.push_back({"\\Device\\Serial0", d});
        QStringList target = {"stale"};
        ListSerialPorts(target, source);
        EXPECT_EQ(target, c.expected);
        EXPECT_TRUE(source.Closed);
    }
}

TEST(PortList, ValueTooLongForItsBufferEndsTheList)
{
    struct TCase {
        QByteArray name, data;
        QStringList expected;
    };
    const TCase cases[] = {
        {QByteArray(255, 'n'), QByteArray(255, 'd') + '\0', {"COM0", "COM1", "COM9", QString(255, 'd')}},
        {QByteArray(256, 'n'), "COM5", {"COM1", "COM9"}},                            // the name does not fit
        {"name", QByteArray(256, 'd') + '\0', {"COM1", "COM9"}},                     // the data does not fit
        {"name", QByteArray(256, 'd'), {"COM0", "COM1", "COM9", QString(256, 'd')}}, // exactly fills it
    };
    for (const TCase &c : cases) {
        TFakePortSource source;
        source.Values = {{"a", "COM9"}, {"b", "COM1"}, {c.name, c.data}, {"c", "COM0"}};
        QStringList target;
        ListSerialPorts(target, source);
        EXPECT_EQ(target, c.expected);
    }
}

TEST(PortList, NoPortsPublished)
{
    TFakePortSource source;
    source.Available = false;
    source.Values = {{"a", "COM1"}};
    QStringList target = {"stale"};
    ListSerialPorts(target, source);
    EXPECT_TRUE(target.isEmpty());
    EXPECT_EQ(source.Reads, 0);
    EXPECT_FALSE(source.Closed);
}
