// Small pure rules of the module link, shared by the window, the
// command-line companion and the tests.
#pragma once

#include "Udecl.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace LinkFrames
{
constexpr int FirstFrameLen = 30; // Len parameter: 25 image bytes
constexpr int NextFrameLen = 50;  // 45 image bytes
constexpr int LastOffsetBeforeEnd = 1153;
constexpr int ProgressDivisor = 26;
constexpr int FrameCount = 27;
constexpr int BytesSent = 1195;
// Read-back stream: one lead byte, then the image bytes taken.
constexpr int ReadBackImageBytes = 1700;
constexpr int ReadBackMinimum = 1 + ReadBackImageBytes;
// At most this many bytes are kept while the end mark is awaited.
constexpr int ReadBackKept = ReadBackMinimum + 1;
} // namespace LinkFrames

// The message list holds at most this many lines.
constexpr int MaxLogLines = 7;

// Deletes the oldest line when the list holds MaxLogLines or more; one line
// at most per call. Returns whether a line went.
bool TrimLog(QStringList &lines);

// User numbers as typed: a text longer than two characters must start with
// "+". Shorter ones are not examined.
bool NumbersAreInternational(const QStringList &userNumbers);
// The same on a record's four user numbers.
bool NumbersAreInternational(const TModuleSettings &settings);

// "*0", Len - 5 image bytes from offset, "*1". Bytes past the image's end
// are never read: the caller's offsets stay below 1195.
QByteArray BuildDataFrame(const TEepromImage &image, int offset, int len);

int ProgressPercent(int framesAcknowledged);
QString ProgressText(int percent, const QString &bar);
