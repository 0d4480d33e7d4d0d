// The program's popup menus: where they are open, and choosing an item in one
// with the keyboard, as a user would.
#include "tests/driver/Driver.h"

#include <cstring>
#include <vector>

#include "res/resource.h"

namespace {

const char kPopupMenuClass[] = "#32768";
const DWORD kBetweenPressesMs = 30;

std::string MainExecutable()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(RequireMain(), &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    char path[MAX_PATH] = "";
    DWORD size = sizeof path;
    if (!process || !QueryFullProcessImageNameA(process, 0, path, &size))
        Fail("cannot find the program's executable");
    CloseHandle(process);
    return path;
}

// How many Down presses from an open menu with nothing selected reach the
// item TEXT: menus of another process cannot be read here, so the place is
// taken from the same menu resource the program loads.
int MenuPresses(const std::string& text)
{
    HMODULE module = LoadLibraryExA(MainExecutable().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HMENU menus = module ? LoadMenuA(module, MAKEINTRESOURCEA(IDR_POPUPS)) : nullptr;
    if (!menus)
        Fail("cannot load the program's menus");
    int presses = -1;
    for (int p = 0; presses < 0 && p < GetMenuItemCount(menus); ++p) {
        HMENU popup = GetSubMenu(menus, p);
        int selectable = 0;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            if (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR)
                continue;
            ++selectable;
            char item[256] = "";
            GetMenuStringA(popup, i, item, sizeof item, MF_BYPOSITION);
            if (text == item) {
                presses = selectable;
                break;
            }
        }
    }
    DestroyMenu(menus);
    FreeLibrary(module);
    if (presses < 0)
        Fail("no menu item with this text");
    return presses;
}

std::vector<HWND> OpenMenus()
{
    std::vector<HWND> menus;
    for (HWND hwnd : TopLevelWindows()) {
        char cls[16] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (!strcmp(cls, kPopupMenuClass) && IsWindowVisible(hwnd))
            menus.push_back(hwnd);
    }
    return menus;
}

}  // namespace

bool MenuOpen()
{
    HWND menu = FindWindowA(kPopupMenuClass, nullptr);
    return menu && IsWindowVisible(menu);
}

int CmdMenuChoose(const std::string& text)
{
    int presses = MenuPresses(AnsiArg(text));
    if (!WaitFor(kDefaultWaitMs, MenuOpen))
        Fail("no popup menu is open");
    for (int i = 0; i < presses; ++i) {
        PressKey(VK_DOWN);
        Pump(kBetweenPressesMs);
    }
    PressKey(VK_RETURN);
    return WaitFor(kDefaultWaitMs, [] { return !MenuOpen(); }) ? 0 : 1;
}

// The open popup menus as rectangles, the first opened (lowest) first.
int CmdMenuRects()
{
    std::vector<HWND> menus = OpenMenus();
    for (auto it = menus.rbegin(); it != menus.rend(); ++it)
        CmdRect(*it);
    return menus.empty() ? 1 : 0;
}
