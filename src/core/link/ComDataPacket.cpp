#include "ComDataPacket.h"

void TComDataPacket::TakeBlock(const QByteArray &block)
{
    buffer_.append(block);
    // A handler that runs an event loop (a question to the user) may see the
    // port deliver more: the running loop below examines those bytes itself.
    if (taking_)
        return;
    taking_ = true;
    for (;;) {
        int pos = -1;
        cleared_ = false;
        // The handler gets its own copy: it may empty the buffer while it looks at the text.
        const QByteArray str = buffer_;
        if (OnCustomStop)
            OnCustomStop(str, pos);
        if (cleared_) {
            // Emptied by the handler: a cut that left nothing, seen once more
            // as an empty text unless it already was one.
            if (str.isEmpty() && buffer_.isEmpty())
                break;
            continue;
        }
        qsizetype end = -1;
        if (pos >= 0)
            end = qMin<qsizetype>(pos, str.size());
        else {
            // Cut by what the handler saw; bytes that came in meanwhile are
            // shown to it on the next round.
            const qsizetype mark = str.indexOf(QByteArrayView(StopString, 2));
            if (mark >= 0)
                end = mark + 2;
        }
        // A cut of nothing would make no progress.
        if (end <= 0) {
            if (buffer_.size() > str.size())
                continue;
            break;
        }
        buffer_.remove(0, end);
    }
    if (buffer_.size() >= BufferLimit)
        buffer_.clear();
    taking_ = false;
}

void TComDataPacket::ClearBuffer()
{
    buffer_.clear();
    cleared_ = true;
}
