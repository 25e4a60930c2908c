// Code page 1250 (Central European Windows) <-> Unicode from one table of our
// own, so that every platform gives the same bytes: Qt's converter does not
// know this code page where it is built without ICU (Windows).
#pragma once

#include <QByteArray>
#include <QString>

// A character that code page 1250 cannot hold (a surrogate pair counts as
// one) becomes '?'.
QByteArray ToCp1250(const QString &text);
QString FromCp1250(const QByteArray &bytes);
