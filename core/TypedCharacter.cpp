#include "core/TypedCharacter.h"

#include "core/ShiftJis.h"

namespace {
// Single bytes that show as a character: ASCII without the control codes,
// and the half-width katakana.
bool IsPrintableSingleByte(unsigned char c)
{
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF);
}
}  // namespace

std::string TypedCharacter::Feed(unsigned char byte)
{
    if (m_nLead >= 0) {
        std::string pair{static_cast<char>(m_nLead), static_cast<char>(byte)};
        m_nLead = -1;
        // A trail byte is never below 0x40; anything else ends a broken pair.
        if (byte >= 0x40)
            return pair;
    }
    if (IsShiftJisLeadByte(byte)) {
        m_nLead = byte;
        return std::string();
    }
    return IsPrintableSingleByte(byte) ? std::string(1, static_cast<char>(byte)) : std::string();
}
