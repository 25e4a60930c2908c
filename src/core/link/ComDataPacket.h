// The packet splitter that sits on the serial port: it collects arriving
// blocks in a buffer and cuts answers off it at the end mark "*1".
#pragma once

#include <QByteArray>

#include <functional>

class TComDataPacket
{
  public:
    // Called with the whole buffer after every block and after every cut.
    // Pos comes preset to -1; a handler that sets it to 0 or more ends the
    // packet after that many characters instead of after the first "*1".
    using TCustomStop = std::function<void(const QByteArray &Str, int &Pos)>;

    static constexpr int BufferLimit = 1024;
    static constexpr char StopString[] = "*1";

    TCustomStop OnCustomStop;

    // Appends a block and examines the buffer until no "*1" is left in it.
    void TakeBlock(const QByteArray &block);
    // Empties the buffer; from inside OnCustomStop this counts as a cut that
    // left nothing.
    void ClearBuffer();
    const QByteArray &Buffer() const { return buffer_; }

  private:
    QByteArray buffer_;
    bool cleared_ = false;
    bool taking_ = false;
};
