// The sixteen user colours of the colour picker and the standard colour
// dialog, kept in the "UserPalette" section as "No00" .. "No15". They are read
// and written with the other settings, at start-up and at exit.
#pragma once
#include "core/SettingsHost.h"

class IProfileStore;

// A missing value gives white. Values are kept as stored; the picker takes
// only their RGB part when one is chosen.
void LoadUserPalette(IProfileStore& store, ColorRef* colors);
void SaveUserPalette(IProfileStore& store, const ColorRef* colors);
