#include "LinkRules.h"

#include "LinkTexts.h"

bool TrimLog(QStringList &lines)
{
    if (lines.size() < MaxLogLines)
        return false;
    lines.removeFirst();
    return true;
}

bool NumbersAreInternational(const QStringList &userNumbers)
{
    bool ok = true;
    for (const QString &number : userNumbers)
        if (number.size() > 2 && !number.startsWith(QLatin1Char('+')))
            ok = false;
    return ok;
}

bool NumbersAreInternational(const TModuleSettings &settings)
{
    QStringList numbers;
    for (int u = 1; u <= 4; ++u)
        numbers << settings.UserNumber(u).text();
    return NumbersAreInternational(numbers);
}

QByteArray BuildDataFrame(const TEepromImage &image, int offset, int len)
{
    const int count = len - 5;
    QByteArray frame;
    frame.reserve(len - 1);
    frame.append("*0", 2);
    if (offset >= 0 && count > 0 && offset + count <= int(image.size()))
        frame.append(reinterpret_cast<const char *>(image.data() + offset), count);
    frame.append(LinkWire::EndMark);
    return frame;
}

int ProgressPercent(int framesAcknowledged)
{
    return framesAcknowledged * 100 / LinkFrames::ProgressDivisor;
}

QString ProgressText(int percent, const QString &bar)
{
    return LinkText::ProgressPrefix + QString::number(percent) + QStringLiteral("% ") + bar;
}
