// The ranges the settings dialogs accept for their numeric settings.
#pragma once
#include <cstdint>

// "HNumber" (entries) and "HQuantity" (kilobytes).
const int32_t kHistoryLimitMin = 1;
const int32_t kHistoryLimitMax = 9999;

// "QNumber": history entries offered in the QuickSelect popup.
const int32_t kQuickSelectCountMin = 2;
const int32_t kQuickSelectCountMax = 32;
