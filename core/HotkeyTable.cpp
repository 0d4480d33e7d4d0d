#include "core/HotkeyTable.h"

unsigned HotkeyModifiers(int modifierIndex)
{
    // In the order of the combo box: (not used), Ctrl, Shift, Alt, Ctrl + Shift,
    // Ctrl + Alt, Shift + Alt, Ctrl + Shift + Alt.
    static const unsigned table[kHotkeyModifierCount] = {
        0,
        kHotkeyControl,
        kHotkeyShift,
        kHotkeyAlt,
        kHotkeyControl | kHotkeyShift,
        kHotkeyControl | kHotkeyAlt,
        kHotkeyShift | kHotkeyAlt,
        kHotkeyControl | kHotkeyShift | kHotkeyAlt,
    };
    if (modifierIndex < 0 || modifierIndex >= kHotkeyModifierCount)
        return 0;
    return table[modifierIndex];
}

unsigned HotkeyVirtualKey(int keyIndex)
{
    if (keyIndex < 0 || keyIndex >= kHotkeyKeyCount)
        return 0;
    if (keyIndex < 26)
        return 'A' + keyIndex;
    return '0' + (keyIndex - 26);
}

void DropHotkeyOutsideTables(int32_t& modifierIndex, int32_t& keyIndex)
{
    bool keyInTable = keyIndex >= 0 && keyIndex < kHotkeyKeyCount;
    if (modifierIndex < 0 || modifierIndex >= kHotkeyModifierCount || !keyInTable)
        modifierIndex = 0;
    if (!keyInTable)
        keyIndex = 0;
}
