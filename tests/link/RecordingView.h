// A link view that keeps what the link shows, for tests of TModuleLink.
#pragma once

#include "LinkRules.h"
#include "ModuleLink.h"

#include <QStringList>

struct RecordingView : TLinkView {
    QStringList lines;
    int rewrites = 0;
    bool busy = false;
    int busyCalls = 0;
    QStringList errors;
    int imagesShown = 0;
    bool acceptBadChecksum = false;
    int checksumQuestions = 0;

    void TrimLog() override { ::TrimLog(lines); }
    int AddLogLine(const QString &text) override
    {
        lines << text;
        return int(lines.size()) - 1;
    }
    void SetLogLine(int index, const QString &text) override
    {
        ++rewrites;
        lines[index] = text;
    }
    void SetLinkBusy(bool b) override
    {
        busy = b;
        ++busyCalls;
    }
    void ShowLinkError(const QString &text) override { errors << text; }
    bool AcceptBadChecksum() override
    {
        ++checksumQuestions;
        return acceptBadChecksum;
    }
    void ShowReceivedImage() override { ++imagesShown; }
};
