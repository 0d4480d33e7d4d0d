#pragma once
#include <windows.h>

// True when the window exists and its class has the given name.
inline bool HasClassName(HWND hwnd, const char* className)
{
    char name[256] = "";
    return hwnd && ::IsWindow(hwnd) && ::GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, className) == 0;
}
