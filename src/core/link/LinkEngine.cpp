#include "LinkEngine.h"

#include "LinkRules.h"
#include "LinkTexts.h"

namespace
{

bool contains(const QByteArray &text, const QByteArray &what)
{
    return text.indexOf(what) >= 0;
}

} // namespace

TLinkEngine::TLinkEngine(TLinkHost &host, TEepromImage &image) : host_(host), image_(image)
{
    splitter_.OnCustomStop = [this](const QByteArray &Str, int &Pos) { ComDataPacket2CustomStop(Str, Pos); };
}

bool TLinkEngine::BeginProgramming(QString &error)
{
    SendOffset = 0;
    if (!host_.WriteBytes(LinkWire::StartProgramming, error)) {
        ProgramStage = 0;
        return false;
    }
    ProgramStage = 1;
    host_.SetTimerEnabled(true);
    return true;
}

bool TLinkEngine::BeginReadBack(QString &error, TEepromImage *into)
{
    readInto_ = into;
    // Leftovers of an interrupted exchange must not become the start of this stream.
    ReceivedBytes.clear();
    splitter_.ClearBuffer();
    ReadStage = 2;
    if (!host_.WriteBytes(LinkWire::ReadSettings, error)) {
        ReadStage = 0;
        return false;
    }
    host_.SetTimerEnabled(true);
    return true;
}

void TLinkEngine::Abort(const QString &line)
{
    ProgramStage = 0;
    ReadStage = 0;
    host_.SetTimerEnabled(false);
    ReceivedBytes.clear();
    splitter_.ClearBuffer();
    host_.LogLine(line);
    host_.SequenceEnded(TLinkEnd::Failed);
}

void TLinkEngine::Stop()
{
    ProgramStage = 0;
    ReadStage = 0;
    host_.SetTimerEnabled(false);
    ReceivedBytes.clear();
    splitter_.ClearBuffer();
}

bool TLinkEngine::write(const QByteArray &bytes)
{
    QString error;
    if (host_.WriteBytes(bytes, error))
        return true;
    Abort(LinkText::WriteFailed.arg(error));
    return false;
}

void TLinkEngine::ComDataPacket2CustomStop(const QByteArray &Str, int &Pos)
{
    Q_UNUSED(Pos); // always cut after the first "*1"
    if (ProgramStage == 1) {
        stage1Step(Str);
        if (ProgramStage != 1)
            return;
    }
    if (ProgramStage == 2 && Str.indexOf(LinkWire::EndMark) >= 1)
        stage2Step();
    else if (ProgramStage == 3 && contains(Str, LinkWire::Accepted))
        successStep();
    else if (ProgramStage == 3 && contains(Str, LinkWire::EndMark))
        endCommandStep();
    else if (ReadStage == 2)
        collectionStep(Str);
}

void TLinkEngine::stage1Step(const QByteArray &Str)
{
    host_.LogLine(LinkText::ProgrammingStarted);
    ProgressLine = host_.LogLine(LinkText::ProgressStart);
    ProgressBar.clear();
    if (contains(Str, LinkWire::Accepted)) {
        ProgramStage = 2;
        FramesSent = 0;
        SendDataFrame(SendOffset, LinkFrames::FirstFrameLen);
    }
}

void TLinkEngine::stage2Step()
{
    host_.SetTimerEnabled(false);
    if (!SendDataFrame(SendOffset, LinkFrames::NextFrameLen))
        return;
    ++FramesSent;
    ProgressBar += QStringLiteral("##");
    host_.RewriteLine(ProgressLine, ProgressText(ProgressPercent(FramesSent), ProgressBar));
    if (SendOffset > LinkFrames::LastOffsetBeforeEnd)
        ProgramStage = 3;
}

void TLinkEngine::successStep()
{
    ProgramStage = 0;
    host_.LogLine(LinkText::ProgrammingDone);
    host_.SetTimerEnabled(false);
    host_.SequenceEnded(TLinkEnd::Programmed);
}

void TLinkEngine::endCommandStep()
{
    write(LinkWire::EndProgramming);
}

bool TLinkEngine::SendDataFrame(int &Offset, int Len)
{
    const QByteArray frame = BuildDataFrame(image_, Offset, Len);
    Offset += Len - 5;
    if (!write(frame))
        return false;
    host_.SetTimerEnabled(true);
    return true;
}

void TLinkEngine::collectionStep(const QByteArray &Str)
{
    const qsizetype before = ReceivedBytes.size();
    for (char byte : Str)
        StoreReceivedByte(std::uint8_t(byte));
    // Every block is kept here, so the splitter need not hold it; an end
    // mark split over two blocks is still found below.
    splitter_.ClearBuffer();
    // Image bytes may form "*1" themselves: the end mark counts only after
    // the lead byte and the 1700 image bytes are in.
    const qsizetype from = qMax<qsizetype>(LinkFrames::ReadBackMinimum, before - 1);
    if (ReceivedBytes.indexOf(LinkWire::EndMark, from) < 0) {
        // Bytes past the image are never used: a line that talks on does not
        // make the list grow. The last byte stays for an end mark whose "1"
        // opens the next block.
        if (ReceivedBytes.size() > LinkFrames::ReadBackKept)
            ReceivedBytes.remove(LinkFrames::ReadBackMinimum,
                                 ReceivedBytes.size() - LinkFrames::ReadBackKept);
        return;
    }
    const TEepromImage received = ReceivedImage();
    ReceivedBytes.clear();
    ReadStage = 0;
    // Off before anything is asked: a question may keep the user a while.
    host_.SetTimerEnabled(false);
    // Noise on the line shifts the stream and every byte after it; the
    // checksum of the first block is what tells such a stream apart.
    if (!EepromChecksumMatches(received)) {
        const auto hex = [](std::uint8_t v) {
            return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        };
        const std::uint8_t stored = received[EepromLayout::Checksum];
        const std::uint8_t computed = EepromChecksum(received);
        host_.LogLine(LinkText::BadChecksum.arg(hex(stored), hex(computed)));
        // A read for the link's own use is never taken on trust; what came
        // is handed over all the same, to say what differs.
        if (readInto_) {
            *readInto_ = received;
            host_.SequenceEnded(TLinkEnd::BadChecksum);
            return;
        }
        if (!host_.AcceptBadChecksum(stored, computed)) {
            host_.LogLine(LinkText::BadChecksumRefused);
            host_.SequenceEnded(TLinkEnd::BadChecksum);
            return;
        }
    }
    if (readInto_) {
        *readInto_ = received;
    } else {
        image_ = received;
        host_.ImageReceived();
        host_.LogLine(LinkText::ReadBackDone);
    }
    host_.SequenceEnded(TLinkEnd::ReadBack);
}

TEepromImage TLinkEngine::ReceivedImage() const
{
    TEepromImage image{};
    const int count = qMin<int>(LinkFrames::ReadBackImageBytes, int(ReceivedBytes.size()) - 1);
    for (int i = 1; i <= count; ++i)
        image[i - 1] = std::uint8_t(ReceivedBytes.at(i));
    return image;
}

void TLinkEngine::RebuildImageFromReceived()
{
    TEepromImage &image = readInto_ ? *readInto_ : image_;
    image = ReceivedImage();
    ReceivedBytes.clear();
}

void TLinkEngine::Timer1Timer()
{
    host_.LogLine(LinkText::NoAnswer);
    host_.SetTimerEnabled(false);
    ProgramStage = 0;
    ReadStage = 0;
    host_.SequenceEnded(TLinkEnd::TimedOut);
}
