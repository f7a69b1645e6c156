#pragma once
#include <QString>

// Strict readers for the numbers in robot messages and files: a text that is
// not a number of the kind raises a LinkError.

// Optional sign and decimal digits only, within 32 bits.
int readDecimal(const QString &text);
// The same within 64 bits, for millisecond stamps.
qint64 readLongDecimal(const QString &text);
// Hexadecimal digits 0-9, A-F, a-f, no prefix, within 32 bits.
unsigned readHex(const QString &text);

// Rounds to the nearest integer, ties to even; a value beyond int gives the
// nearer end of its range, NaN gives 0.
int roundToEven(double value);
