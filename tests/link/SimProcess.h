// Starts tervala-sim for a test and hands out its device path.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class SimProcess
{
  public:
    explicit SimProcess(const QStringList &options)
    {
        process_.start(QStringLiteral(TERVALA_SIM), options);
        if (!process_.waitForStarted(5000))
            return;
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            process_.waitForFinished(5000);
        }
    }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    QString path() const { return path_; }
    qint64 pid() const { return process_.processId(); }
    // Stops the simulator and returns what it reported on stderr.
    QString stop()
    {
        process_.terminate();
        process_.waitForFinished(5000);
        return QString::fromLocal8Bit(process_.readAllStandardError());
    }

  private:
    QProcess process_;
    QString path_;
};
