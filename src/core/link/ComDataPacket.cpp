#include "ComDataPacket.h"

void TComDataPacket::TakeBlock(const QByteArray &block)
{
    buffer_.append(block);
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
            if (str.isEmpty())
                break;
            continue;
        }
        qsizetype end = -1;
        if (pos >= 0)
            end = qMin<qsizetype>(pos, buffer_.size());
        else {
            const qsizetype mark = buffer_.indexOf(QByteArrayView(StopString, 2));
            if (mark >= 0)
                end = mark + 2;
        }
        // A cut of nothing would make no progress.
        if (end <= 0)
            break;
        buffer_.remove(0, end);
    }
    if (buffer_.size() >= BufferLimit)
        buffer_.clear();
}

void TComDataPacket::ClearBuffer()
{
    buffer_.clear();
    cleared_ = true;
}
