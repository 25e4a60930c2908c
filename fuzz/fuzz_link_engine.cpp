// The link engine driven through programming and read-back by the input:
// which sequence starts, what the module answers in which blocks, when the
// timer ticks, which write fails, what the user answers to a bad checksum
// and what arrives while that question is open. After every step: the
// splitter's buffer and the collected bytes stay bounded, a read-back never
// decodes from fewer bytes than the lead byte and the image, a tick leaves
// the stages idle, a finished sequence leaves the timer off, and a
// completed programming run wrote exactly the image's 27 frames.
#include "LinkEngine.h"
#include "LinkRules.h"
#include "LinkTexts.h"
#include "Udecl.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

// The input, read from the front; zeros once it runs out.
struct Input {
    const std::uint8_t *data;
    std::size_t size;
    std::size_t at = 0;

    bool done() const { return at >= size; }
    std::uint8_t byte() { return at < size ? data[at++] : 0; }
    int u16() { return byte() | (byte() << 8); }
    QByteArray bytes(int count)
    {
        const int n = int(std::min<std::size_t>(std::size_t(count), size - std::min(at, size)));
        QByteArray out(reinterpret_cast<const char *>(data + at), n);
        at += std::size_t(n);
        return out;
    }
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Host : TLinkHost {
    TLinkEngine *engine = nullptr;
    QStringList lines;
    QList<QByteArray> written; // since the sequence began
    bool timerEnabled = false;
    bool failNextWrite = false;
    bool accept = false;
    QByteArray nested; // arrives while the checksum question is open
    qsizetype fedToReadBack = 0;
    int endings = 0;
    TLinkEnd lastEnd = TLinkEnd::Failed;

    bool WriteBytes(const QByteArray &bytes, QString &error) override
    {
        if (failNextWrite) {
            failNextWrite = false;
            error = QStringLiteral("write error");
            return false;
        }
        written << bytes;
        return true;
    }
    void SetTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    int LogLine(const QString &text) override
    {
        TrimLog(lines);
        lines << text;
        require(lines.size() <= MaxLogLines);
        return int(lines.size()) - 1;
    }
    void RewriteLine(int index, const QString &text) override
    {
        require(index >= 0 && index < lines.size());
        lines[index] = text;
    }
    bool AcceptBadChecksum(std::uint8_t stored, std::uint8_t computed) override
    {
        require(stored != computed);
        require(!timerEnabled);
        require(engine->ReadStage == 0);
        if (!nested.isEmpty()) {
            const QByteArray block = nested;
            nested.clear();
            engine->TakeBlock(block);
        }
        return accept;
    }
    void ImageReceived() override
    {
        // The lead byte, the 1700 image bytes and the end mark came in.
        require(fedToReadBack >= LinkFrames::ReadBackMinimum + 2);
    }
    void SequenceEnded(TLinkEnd end) override
    {
        ++endings;
        lastEnd = end;
    }
};

// Exactly the 27 frames of the image, in order, sizes and contents.
void checkProgrammedFrames(const QList<QByteArray> &written, const TEepromImage &image)
{
    int frames = 0, offset = 0;
    for (const QByteArray &w : written) {
        if (!w.startsWith("*0"))
            continue;
        const int len = frames == 0 ? LinkFrames::FirstFrameLen : LinkFrames::NextFrameLen;
        require(w == BuildDataFrame(image, offset, len));
        offset += len - 5;
        ++frames;
    }
    require(frames == LinkFrames::FrameCount);
    require(offset == LinkFrames::BytesSent);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in{data, size};
    // The settings a run programs; encoded once, the codec is not under test here.
    static const TEepromImage programmed = [] {
        TModuleSettings settings{};
        SetDefaultSettings(settings);
        settings.SmsCentreNumber.setText(QStringLiteral("+48601000310"));
        TEepromImage image;
        SettingsToEeprom(settings, image);
        return image;
    }();

    Host host;
    TEepromImage image{};
    TLinkEngine engine(host, image);
    host.engine = &engine;
    bool programming = false;

    for (int step = 0; step < 1000 && !in.done(); ++step) {
        const int endingsBefore = host.endings;
        const bool wasReading = engine.ReadStage == 2;
        QString error;
        switch (in.byte() % 12) {
        case 0: // the user starts programming
            if (engine.Busy())
                break;
            image = programmed;
            host.written.clear();
            programming = engine.BeginProgramming(error);
            require(programming == (engine.ProgramStage == 1));
            require(programming == host.timerEnabled);
            break;
        case 1: // the user starts a read-back
            if (engine.Busy())
                break;
            host.written.clear();
            host.fedToReadBack = 0;
            programming = false;
            {
                const bool started = engine.BeginReadBack(error);
                require(started == (engine.ReadStage == 2));
                require(started == host.timerEnabled);
            }
            require(engine.ReceivedBytes.isEmpty());
            break;
        case 2: { // any block
            const QByteArray block = in.bytes(in.u16() % 2200);
            if (engine.ReadStage == 2)
                host.fedToReadBack += block.size();
            engine.TakeBlock(block);
            break;
        }
        case 3:
            if (engine.ReadStage == 2)
                host.fedToReadBack += 4;
            engine.TakeBlock("OK*1");
            break;
        case 4:
            if (engine.ReadStage == 2)
                host.fedToReadBack += 3;
            engine.TakeBlock("D*1");
            break;
        case 5: { // the module's read-back stream, in blocks of a chosen size
            QByteArray stream(1, 'L');
            stream.append(reinterpret_cast<const char *>(programmed.data()), LinkFrames::ReadBackImageBytes);
            stream += LinkWire::EndMark;
            // At most 64 blocks: smaller ones come as any blocks (case 2).
            const int chunk = 27 + in.u16() % 1800;
            for (qsizetype at = 0; at < stream.size(); at += chunk) {
                const QByteArray block = stream.mid(at, chunk);
                if (engine.ReadStage == 2)
                    host.fedToReadBack += block.size();
                engine.TakeBlock(block);
            }
            break;
        }
        case 6: // the answer timer fires; it only can while enabled
            if (!host.timerEnabled)
                break;
            engine.Timer1Timer();
            require(engine.ProgramStage == 0 && engine.ReadStage == 0);
            break;
        case 7:
            host.failNextWrite = true;
            break;
        case 8:
            host.accept = in.byte() & 1;
            break;
        case 9:
            host.nested = in.bytes(in.byte() % 64);
            break;
        case 10: // the device goes away
            if (engine.Busy())
                engine.Abort(QStringLiteral("gone"));
            require(!engine.Busy());
            break;
        default:
            if (wasReading)
                host.fedToReadBack += 2;
            engine.TakeBlock(LinkWire::EndMark);
            break;
        }

        require(engine.ComDataPacket2().Buffer().size() < TComDataPacket::BufferLimit);
        require(engine.ReceivedBytes.size() <= LinkFrames::ReadBackKept);
        require(engine.ProgramStage >= 0 && engine.ProgramStage <= 3);
        require(engine.ReadStage == 0 || engine.ReadStage == 2);
        require(engine.SendOffset <= LinkFrames::BytesSent);
        if (host.endings != endingsBefore) {
            require(host.endings == endingsBefore + 1);
            require(!engine.Busy());
            require(!host.timerEnabled);
            if (host.lastEnd == TLinkEnd::Programmed) {
                require(programming);
                checkProgrammedFrames(host.written, programmed);
            }
            if (host.lastEnd == TLinkEnd::ReadBack)
                require(EepromChecksumMatches(image) || host.accept);
        }
    }
    return 0;
}
