#include "framework/DialogInit.h"

#include <cstring>
#include <string>

namespace {

// UTF-8 from the resource to the ANSI code page the controls speak.
std::string AnsiFromUtf8(const char* text, int length)
{
    int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
    std::wstring wide(wideLength, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, length, &wide[0], wideLength);
    int ansiLength = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(ansiLength, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &ansi[0], ansiLength, nullptr, nullptr);
    return ansi;
}

}  // namespace

BOOL ExecuteDialogInit(HWND dialog, UINT templateId)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitResourceType));
    if (!resource)
        return TRUE;
    HGLOBAL loaded = ::LoadResource(instance, resource);
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    if (!data)
        return TRUE;
    const char* end = data + ::SizeofResource(instance, resource);
    // The items are packed without alignment: words are copied out.
    const char* at = data;
    while (end - at >= static_cast<ptrdiff_t>(sizeof(WORD))) {
        WORD controlId;
        memcpy(&controlId, at, sizeof controlId);
        at += sizeof controlId;
        if (controlId == 0)
            return TRUE;
        WORD message;
        if (end - at < static_cast<ptrdiff_t>(sizeof message))
            return FALSE;
        memcpy(&message, at, sizeof message);
        at += sizeof message;
        const char* text = at;
        while (at < end && *at)
            ++at;
        if (at == end)
            return FALSE;
        std::string ansi = AnsiFromUtf8(text, static_cast<int>(at - text));
        ++at;   // the terminator
        HWND control = ::GetDlgItem(dialog, controlId);
        if (!control)
            return FALSE;
        ::SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(ansi.c_str()));
    }
    return TRUE;
}
