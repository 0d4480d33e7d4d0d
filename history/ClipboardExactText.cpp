#include "history/ClipboardExactText.h"

#include <climits>
#include <cwchar>

namespace {
// A Shift-JIS character takes at most two bytes for each UTF-16 unit.
const size_t kMostBytesPerUnit = 2;
}

bool RoundTripsExactly(const wchar_t* wide, size_t units, const std::string& narrow)
{
    if (units == 0 || narrow.empty())
        return units == 0 && narrow.empty();
    if (units > INT_MAX / kMostBytesPerUnit || narrow.size() > INT_MAX)
        return false;

    // One pass each way into buffers big enough for any result.
    std::string there(units * kMostBytesPerUnit, '\0');
    BOOL usedDefault = FALSE;
    int bytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(units), &there[0],
                                      static_cast<int>(there.size()), nullptr, &usedDefault);
    if (usedDefault || bytes != static_cast<int>(narrow.size()) || there.compare(0, bytes, narrow) != 0)
        return false;

    // Some Shift-JIS codes share one character, so the way back must agree too.
    std::wstring back(narrow.size(), L'\0');
    int backUnits = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, narrow.data(), static_cast<int>(narrow.size()),
                                          &back[0], static_cast<int>(back.size()));
    return backUnits == static_cast<int>(units) && std::wmemcmp(back.data(), wide, units) == 0;
}

std::u16string ExactFormOnClipboard(const std::string& captured)
{
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const wchar_t* wide = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    if (!wide)
        return std::u16string();
    size_t units = wcsnlen(wide, ::GlobalSize(data) / sizeof(wchar_t));
    std::u16string exact;
    if (!RoundTripsExactly(wide, units, captured))
        exact.assign(reinterpret_cast<const char16_t*>(wide), units);
    ::GlobalUnlock(data);
    return exact;
}
