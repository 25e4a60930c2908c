// The module link's sequences, free of widgets and ports: it is fed the
// port's blocks and the timer's ticks, and asks its host for everything it
// wants done (bytes written, lines shown, the timer switched, the end shown).
#pragma once

#include "ComDataPacket.h"
#include "Udecl.h"

#include <QByteArray>
#include <QString>

enum class TLinkEnd {
    Programmed,   // "Programowanie zakończone pomyślnie."
    ReadBack,     // image received and decoded
    TimedOut,     // "Brak odpowiedzi z modułu."
    Failed,       // write failed or the device went away
    BadChecksum,  // image received, its checksum wrong, and not accepted: nothing decoded
    NotVerified,  // programmed, but the module did not show the settings back
    BackupFailed, // the module's settings could not be kept: nothing programmed
};

class TLinkHost
{
  public:
    virtual ~TLinkHost() = default;
    // Hands the bytes to the port in one write; false with a reason on failure.
    virtual bool WriteBytes(const QByteArray &bytes, QString &error) = 0;
    // Enabling an enabled timer keeps its count running.
    virtual void SetTimerEnabled(bool enabled) = 0;
    // TrimLog, then the line at the bottom of the list; returns its index.
    virtual int LogLine(const QString &text) = 0;
    virtual void RewriteLine(int index, const QString &text) = 0;
    // A read-back's image failed its checksum: whether to load it all the
    // same. The timer is off when this is asked; a host that cannot ask
    // refuses.
    virtual bool AcceptBadChecksum(std::uint8_t /*stored*/, std::uint8_t /*computed*/) { return false; }
    // A read-back filled the image: decode it and show the settings.
    virtual void ImageReceived() = 0;
    // A sequence is over: buttons and cursor back; after Failed the port is
    // to be closed.
    virtual void SequenceEnded(TLinkEnd end) = 0;
};

class TLinkEngine
{
  public:
    TLinkEngine(TLinkHost &host, TEepromImage &image);

    TComDataPacket &ComDataPacket2() { return splitter_; }
    // A block the port read, whole.
    void TakeBlock(const QByteArray &block) { splitter_.TakeBlock(block); }

    // Sends "*2*1" and waits for the module to accept; the image must hold
    // the encoded settings. False (stages idle, timer off) when the write fails.
    bool BeginProgramming(QString &error);
    // Sends "*3*1" from an empty collection; false when the write fails.
    // With `into`, the stream is rebuilt there alone: the link's own image is
    // left as it is, nothing is decoded or shown, and the end is told only by
    // SequenceEnded(ReadBack).
    bool BeginReadBack(QString &error, TEepromImage *into = nullptr);
    // Ends a running sequence at once with the given line (write failure,
    // device gone). Nothing collected so far is decoded.
    void Abort(const QString &line);
    // Ends a running sequence at once without a word or an ending (the
    // program is being stopped; its caller says why). Nothing more is sent.
    void Stop();

    // The splitter's end-of-packet hook: the answer dispatch.
    void ComDataPacket2CustomStop(const QByteArray &Str, int &Pos);
    // The time-out.
    void Timer1Timer();

    bool Busy() const { return ProgramStage != 0 || ReadStage != 0; }

    void StoreReceivedByte(std::uint8_t Value) { ReceivedBytes.append(char(Value)); }
    // Fills the image from ReceivedBytes (lead byte skipped, 1700 bytes, the
    // rest zero) and empties the list.
    void RebuildImageFromReceived();
    // The image RebuildImageFromReceived would make, without touching either.
    TEepromImage ReceivedImage() const;
    // Builds and writes one frame, advances Offset and enables the timer.
    bool SendDataFrame(int &Offset, int Len);

    int ProgramStage = 0; // 0 idle, 1 waiting for acceptance, 2 frames, 3 waiting for the end
    int SendOffset = 0;
    int FramesSent = 0;
    int ProgressLine = -1;
    QString ProgressBar;
    int ReadStage = 0; // 2 while a read-back collects
    QByteArray ReceivedBytes;

  private:
    bool write(const QByteArray &bytes);
    void stage1Step(const QByteArray &Str);
    void stage2Step();
    void successStep();
    void endCommandStep();
    void collectionStep(const QByteArray &Str);

    TLinkHost &host_;
    TEepromImage &image_;
    TEepromImage *readInto_ = nullptr;
    TComDataPacket splitter_;
};
