// The link's answer timer. Unlike QTimer::start, enabling a running timer
// keeps its count going; a restart is a disable followed by an enable.
#pragma once

#include <QObject>
#include <QTimer>

class TLinkTimer : public QObject
{
    Q_OBJECT
  public:
    static constexpr int DefaultInterval = 6000; // ms

    explicit TLinkTimer(QObject *parent = nullptr);
    void SetEnabled(bool enabled);
    bool Enabled() const { return timer_.isActive(); }
    void SetInterval(int ms) { timer_.setInterval(ms); }
    int Interval() const { return timer_.interval(); }
    int RemainingTime() const { return timer_.remainingTime(); }

  signals:
    void Timeout();

  private:
    QTimer timer_;
};
