// Runs the module link on the serial port: owns the port, the engine (with
// its packet splitter) and the answer timer, and talks to the window (or
// the command line) through TLinkView.
#pragma once

#include "ComPort.h"
#include "LinkEngine.h"
#include "LinkTimer.h"
#include "Udecl.h"

#include <QObject>
#include <QStringList>

// What the link needs of the window: the message list ListBox1, the two
// command buttons with the cursor, the error box, and the refill of the
// controls after a read-back.
class TLinkView
{
  public:
    virtual ~TLinkView() = default;
    // At most seven lines: drops the oldest when there are seven or more.
    virtual void TrimLog() = 0;
    // Adds a line at the bottom; returns its index.
    virtual int AddLogLine(const QString &text) = 0;
    virtual void SetLogLine(int index, const QString &text) = 0;
    // true: hourglass and both buttons disabled; false: default cursor, buttons enabled.
    virtual void SetLinkBusy(bool busy) = 0;
    virtual void ShowLinkError(const QString &text) = 0;
    // A read-back's data failed its checksum (the line is in the list):
    // whether to load it all the same. A view that cannot ask refuses.
    virtual bool AcceptBadChecksum() { return false; }
    // The image holds what the module sent: decode it and show it.
    virtual void ShowReceivedImage() = 0;
    // The module's settings could not be kept before programming: the reason
    // is in the list; true to program all the same. Unattended, nothing is
    // programmed without its backup.
    virtual bool ProgramWithoutBackup(const QString &question)
    {
        Q_UNUSED(question);
        return false;
    }
};

// What a programming run does around the module's own exchange.
struct TProgrammingOptions {
    // Read the module back afterwards and compare it with what was sent.
    bool Verify = false;
    // Read the module first and keep its settings in this file; empty: no backup.
    QString BackupFile;
};

class TModuleLink : public QObject, private TLinkHost
{
    Q_OBJECT
  public:
    // The image is where programming encodes to and read-back rebuilds into.
    TModuleLink(TLinkView &view, TEepromImage &image = EepromImage, QObject *parent = nullptr);

    // The user-number check of the programming command; on refusal the line
    // is in the list and false is returned.
    bool CheckNumbersInternational(const QStringList &userNumbers);
    // Checks the numbers' image slots, encodes the record into the image,
    // opens the port and sends "*2*1". False when the run is refused or
    // cannot start; the buttons and the cursor are then as before.
    // With options, the module is first backed up and afterwards checked;
    // SequenceFinished then tells the end of the whole run: Programmed only
    // when the check (if asked for) found every field as sent.
    bool StartProgramming(const QString &portName, const TModuleSettings &settings,
                          const TProgrammingOptions &options = {});
    // Reopens the port and sends "*3*1" from an empty collection; the buttons
    // and the cursor are busy until the read-back ends. False when it cannot
    // start; the buttons and the cursor are then as before.
    bool StartReadBack(const QString &portName);

    // Stops whatever runs at once: nothing more is sent, the port (with its
    // lock) is let go and the buttons and the cursor come back. No line is
    // shown and no SequenceFinished follows.
    void Interrupt();

    bool Busy() const { return phase_ != Phase::None || engine_.Busy(); }
    // The captions of the fields the last check found different, all of them.
    const QStringList &DifferingFields() const { return differing_; }
    // The backup file the last run wrote, empty when none.
    const QString &BackupWritten() const { return backupWritten_; }
    TLinkEngine &Engine() { return engine_; }
    TComPort &ComPort2() { return port_; }
    TLinkTimer &Timer1() { return timer_; }

  signals:
    // After the view has been told (line shown, buttons back).
    void SequenceFinished(TLinkEnd end);

  private:
    bool WriteBytes(const QByteArray &bytes, QString &error) override;
    void SetTimerEnabled(bool enabled) override;
    int LogLine(const QString &text) override;
    void RewriteLine(int index, const QString &text) override;
    bool AcceptBadChecksum(std::uint8_t stored, std::uint8_t computed) override;
    void ImageReceived() override;
    void SequenceEnded(TLinkEnd end) override;

    enum class Phase { None, Backup, Programming, Verify };

    bool openPort(const QString &portName);
    // The steps of a run with options; each starts from the event loop, never
    // from inside the engine's answer handling.
    void backupRead(TLinkEnd end);
    void askProgramWithoutBackup(const QString &question);
    void startProgrammingPhase();
    // After a programming run that ended well.
    void startVerify(TLinkEnd programmed);
    void verifyRead(TLinkEnd end);
    // A later step could not send its command.
    bool laterCommandSent(bool sent, const QString &error);
    // The whole run is over.
    void finish(TLinkEnd end);
    // Ends a start whose first command failed; returns whether it was sent.
    bool commandSent(bool sent, const QString &portName, const QString &error);
    void deviceLost(const QString &reason);

    TLinkView &view_;
    TEepromImage &image_;
    TComPort port_;
    TLinkTimer timer_;
    TLinkEngine engine_;
    Phase phase_ = Phase::None;
    // Counts runs: a step queued for a run that was interrupted meanwhile is dropped.
    int run_ = 0;
    TProgrammingOptions options_;
    QString portName_;
    TModuleSettings programmed_{};
    TEepromImage spare_{}; // what the backup or the check read
    QStringList differing_;
    QString backupWritten_;
};
