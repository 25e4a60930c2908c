// A host for the link engine that records what the engine asks for.
#pragma once

#include "LinkEngine.h"
#include "LinkRules.h"

#include <QList>
#include <QStringList>

struct FakeLinkHost : TLinkHost {
    QList<QByteArray> written;
    QStringList lines; // the message list, TrimLog applied
    int rewrites = 0;
    bool timerEnabled = false;
    int timerStarts = 0; // disabled -> enabled transitions
    int imagesReceived = 0;
    QList<TLinkEnd> ends;
    int failWriteAt = -1; // index of the write that fails
    bool acceptBadChecksum = false;
    int checksumQuestions = 0;
    bool timerOnWhenAsked = false;

    bool WriteBytes(const QByteArray &bytes, QString &error) override
    {
        if (written.size() == failWriteAt) {
            failWriteAt = -1;
            error = QStringLiteral("write error");
            return false;
        }
        written << bytes;
        return true;
    }
    void SetTimerEnabled(bool enabled) override
    {
        if (enabled && !timerEnabled)
            ++timerStarts;
        timerEnabled = enabled;
    }
    int LogLine(const QString &text) override
    {
        TrimLog(lines);
        lines << text;
        return int(lines.size()) - 1;
    }
    void RewriteLine(int index, const QString &text) override
    {
        ++rewrites;
        lines[index] = text;
    }
    bool AcceptBadChecksum(std::uint8_t, std::uint8_t) override
    {
        ++checksumQuestions;
        timerOnWhenAsked = timerEnabled;
        return acceptBadChecksum;
    }
    void ImageReceived() override { ++imagesReceived; }
    void SequenceEnded(TLinkEnd end) override { ends << end; }
};
