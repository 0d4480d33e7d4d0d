#include "core/UserPalette.h"

#include "core/NameTable.h"
#include "core/ProfileStore.h"

#include <cstdio>
#include <string>

namespace {

const char kPaletteValueFormat[] = "No%02d";
const ColorRef kPaletteDefault = 0xFFFFFF;

std::string PaletteValueName(int index)
{
    char name[8];
    std::snprintf(name, sizeof name, kPaletteValueFormat, index);
    return name;
}

} // namespace

void LoadUserPalette(IProfileStore& store, ColorRef* colors)
{
    for (int i = 0; i < ISettingsHost::kCustomColorCount; ++i)
        colors[i] = static_cast<ColorRef>(
            store.GetProfileInt(kSections.userPalette, PaletteValueName(i).c_str(), static_cast<int32_t>(kPaletteDefault)));
}

void SaveUserPalette(IProfileStore& store, const ColorRef* colors)
{
    for (int i = 0; i < ISettingsHost::kCustomColorCount; ++i)
        store.WriteProfileInt(kSections.userPalette, PaletteValueName(i).c_str(), static_cast<int32_t>(colors[i]));
}
