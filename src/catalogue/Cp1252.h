#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The one place where archive bytes (Windows-1252) and UI text (Unicode) meet.
namespace catalogue::cp1252 {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// C1 control of the same value, so decode() never loses a byte.
QString decode(const char* bytes, qsizetype size);

// A character Windows-1252 cannot hold becomes '?'. When exact is given it is set to false
// whenever such a replacement happened.
QByteArray encode(QStringView text, bool* exact = nullptr);

} // namespace catalogue::cp1252
