// The hotkey settings are stored as indices into the behaviour dialog's combo
// boxes; these map them to RegisterHotKey's modifiers and virtual keys.
#pragma once
#include <cstdint>

// Modifier bits as RegisterHotKey takes them.
enum HotkeyModifierBits : unsigned {
    kHotkeyAlt = 1,
    kHotkeyControl = 2,
    kHotkeyShift = 4,
};

const int kHotkeyModifierCount = 8;   // 0 = not used, then the seven combinations
const int kHotkeyKeyCount = 36;       // "A".."Z", then "0".."9"

// 0 for index 0 (the hotkey is not used) and for indices out of range.
unsigned HotkeyModifiers(int modifierIndex);
// The virtual key ('A'..'Z', '0'..'9'), or 0 for an index out of range.
unsigned HotkeyVirtualKey(int keyIndex);

// A stored hotkey whose modifier or key index lies outside the tables is off:
// its modifier index becomes 0, and a key index outside the key table 0.
void DropHotkeyOutsideTables(int32_t& modifierIndex, int32_t& keyIndex);
