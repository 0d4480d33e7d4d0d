// Building record files byte by byte, to hand the readers damage of any kind.
#pragma once
#include <cstdint>
#include <string>

inline std::string U32(uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    return bytes;
}
