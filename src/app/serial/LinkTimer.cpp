#include "LinkTimer.h"

TLinkTimer::TLinkTimer(QObject *parent) : QObject(parent)
{
    timer_.setInterval(DefaultInterval);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TLinkTimer::Timeout);
}

void TLinkTimer::SetEnabled(bool enabled)
{
    if (enabled == timer_.isActive())
        return;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}
