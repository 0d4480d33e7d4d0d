// Keys and mouse clicks as a hand makes them (SendInput), and hotkeys held as
// another program would hold them.
#include "tests/driver/Driver.h"

#include <cctype>
#include <cstdio>
#include <vector>

#include "res/resource.h"

namespace {

const DWORD kModifierHoldMs = 300;
const int kProbeHotkeyId = 0x5151;
// Clicks land this far into a line, clear of its left edge.
const LONG kClickX = 16;

void SendKey(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// "ctrl+alt+1": the modifier keys, their hotkey flags and the key itself.
struct KeyCombo {
    std::vector<WORD> modifierKeys;
    UINT hotkeyModifiers = 0;
    WORD vk = 0;
};

KeyCombo ParseCombo(const std::string& combo)
{
    KeyCombo k;
    std::string rest = combo;
    for (;;) {
        size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 == rest.size())
            break;
        std::string m = rest.substr(0, plus);
        rest = rest.substr(plus + 1);
        if (m == "ctrl") { k.modifierKeys.push_back(VK_CONTROL); k.hotkeyModifiers |= MOD_CONTROL; }
        else if (m == "shift") { k.modifierKeys.push_back(VK_SHIFT); k.hotkeyModifiers |= MOD_SHIFT; }
        else if (m == "alt") { k.modifierKeys.push_back(VK_MENU); k.hotkeyModifiers |= MOD_ALT; }
        else { k.modifierKeys.push_back(VK_LWIN); k.hotkeyModifiers |= MOD_WIN; }
    }
    k.vk = KeyCode(rest);
    return k;
}

// Registering the hotkey ourselves fails exactly when another program holds it.
bool TakeHotkey(const std::string& combo)
{
    KeyCombo k = ParseCombo(combo);
    return RegisterHotKey(nullptr, kProbeHotkeyId, k.hotkeyModifiers, k.vk) != 0;
}

}  // namespace

// Every mouse event carries its own screen position: a separate SetCursorPos
// may reach Wine's input after the buttons.
void SendMouse(POINT at, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

WORD KeyCode(const std::string& name)
{
    static const struct { const char* name; WORD vk; } named[] = {
        {"enter", VK_RETURN}, {"esc", VK_ESCAPE}, {"delete", VK_DELETE}, {"space", VK_SPACE},
        {"up", VK_UP}, {"down", VK_DOWN}, {"left", VK_LEFT}, {"right", VK_RIGHT},
        {"home", VK_HOME}, {"end", VK_END}, {"tab", VK_TAB}, {"apps", VK_APPS},
        {"f1", VK_F1}, {"f2", VK_F2}, {"f3", VK_F3}, {"f10", VK_F10}, {"f12", VK_F12},
        {"pgup", VK_PRIOR}, {"pgdn", VK_NEXT},
    };
    for (auto& k : named)
        if (name == k.name)
            return k.vk;
    if (name.size() == 1 && isalnum((unsigned char)name[0]))
        return (WORD)toupper((unsigned char)name[0]);
    return (WORD)Number(name);
}

void PressKey(WORD vk)
{
    SendKey(vk, false);
    SendKey(vk, true);
}

int CmdKey(const std::string& combo)
{
    KeyCombo k = ParseCombo(combo);
    for (WORD m : k.modifierKeys) SendKey(m, false);
    PressKey(k.vk);
    // Held a moment, as by a hand: the program reads the modifiers' state at
    // the time it handles the key, not the state the key was pressed in.
    if (!k.modifierKeys.empty())
        Pump(kModifierHoldMs);
    for (auto it = k.modifierKeys.rbegin(); it != k.modifierKeys.rend(); ++it) SendKey(*it, true);
    Pump(200);
    return 0;
}

int CmdHotkeyTaken(const std::string& combo)
{
    bool free = TakeHotkey(combo);
    if (free)
        UnregisterHotKey(nullptr, kProbeHotkeyId);
    printf("%s\n", free ? "free" : "taken");
    return 0;
}

int CmdHoldHotkey(const std::string& combo, DWORD ms)
{
    bool held = TakeHotkey(combo);
    printf("%s\n", held ? "held" : "taken");
    fflush(stdout);
    Pump(ms);
    if (held)
        UnregisterHotKey(nullptr, kProbeHotkeyId);
    return 0;
}

// Clicks line N of the history list: "click", "rclick" or "dblclick".
int CmdClickLine(const std::string& how, int line)
{
    HWND list = Control(IDC_HISTORY_LIST);
    BringMainToFront();
    LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    if (height == LB_ERR || top == LB_ERR || line < top)
        Fail("the line is not in view");
    POINT at = {kClickX, (LONG)((line - top) * height + height / 2)};
    ClientToScreen(list, &at);
    SendMouse(at, 0);
    Pump(50);
    bool right = how == "rclick";
    int clicks = how == "dblclick" ? 2 : 1;
    for (int click = 0; click < clicks; ++click) {
        SendMouse(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        SendMouse(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    }
    Pump(200);
    return 0;
}

// 1 when KEY went down, typed by anyone, since the last time someone asked
// (the system keeps one "pressed since" mark per key), else 0.
int CmdKeyPressed(const std::string& key)
{
    printf("%d\n", (GetAsyncKeyState(KeyCode(key)) & 1) ? 1 : 0);
    return 0;
}

// Characters arriving at a control of the main window as an input method
// delivers them to an ANSI window: one WM_IME_CHAR per character, a
// double-byte one with its lead byte in the high byte.
int CmdImeChars(int id, const std::string& text)
{
    HWND control = Control(id);
    std::string ansi = AnsiArg(text);
    for (size_t i = 0; i < ansi.size(); ++i) {
        WPARAM c = (BYTE)ansi[i];
        if (IsDBCSLeadByte((BYTE)c) && i + 1 < ansi.size())
            c = c << 8 | (BYTE)ansi[++i];
        PostMessageA(control, WM_IME_CHAR, c, 1);
    }
    Pump(200);
    return 0;
}
