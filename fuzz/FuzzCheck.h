#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>

// A broken property stops the fuzzer at once, with the input that broke it saved as a crash.
inline void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        __builtin_trap();
    }
}

inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}
