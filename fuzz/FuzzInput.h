#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// What the readers' fuzz targets share: the input as bytes or text, and the
// check that turns a broken property into a crash libFuzzer keeps.

inline void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Messages and answers arrive as UTF-8; bytes that are none read as U+FFFD.
inline QString inputText(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}
