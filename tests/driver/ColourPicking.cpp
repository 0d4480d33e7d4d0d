// The customize dialog's colour picker as a user meets it: the popup under a
// colour button, its cells pressed and released with the mouse, its button
// for the standard colour dialog, and where the dialog's controls lie.
//
//   qdriver control-rect TITLE ID        a control of the dialog titled TITLE on the screen
//                                        (x y w h); a visible one first, as dialog-... does
//   qdriver dialog-move TITLE X Y        move that dialog's top-left corner to X Y
//   qdriver press-at X Y [down|up|click] the left mouse button at a screen point (click without)
//   qdriver picker-rect                  the open colour picker on the screen, or "none"
//   qdriver picker-cell ACTION N         move to cell N (0..63) of the picker's grid and press
//                                        (down), release (up) or click the left button there
//   qdriver picker-more                  click the picker's "その他の色(&O)..." button
//   qdriver colour-dialog [ms]           wait for the standard colour dialog; print its title
#include "tests/driver/Driver.h"

#include <colordlg.h>

#include <cstdio>
#include <cstring>

#include "res/resource.h"

namespace {

const int kCellPixels = 17;
const int kGridColumns = 8;
const int kGridCells = 64;
const DWORD kAfterMouseMs = 200;

bool IsProgramDialog(HWND hwnd)
{
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    DWORD mainProcess = 0, process = 0;
    GetWindowThreadProcessId(RequireMain(), &mainProcess);
    GetWindowThreadProcessId(hwnd, &process);
    return process == mainProcess && IsWindowVisible(hwnd) && !strcmp(cls, kDialogClass);
}

HWND RequireDialogTitled(const std::string& title)
{
    std::string ansi = AnsiArg(title);
    for (HWND hwnd : TopLevelWindows())
        if (IsProgramDialog(hwnd) && WindowText(hwnd) == ansi)
            return hwnd;
    Fail("no dialog with this title is shown");
}

// Pages reuse ids, so the visible control of that id counts.
HWND ShownControl(HWND dialog, int id)
{
    struct Search {
        int id;
        HWND found;
    } search = {id, nullptr};
    EnumChildWindows(dialog, [](HWND child, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        char cls[64] = "";
        GetClassNameA(child, cls, sizeof cls);
        if (GetDlgCtrlID(child) == s->id && IsWindowVisible(child) && strcmp(cls, kDialogClass) != 0)
            s->found = child;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A dialog shows before its pages have made their controls, so the control
// is waited for.
HWND RequireControl(HWND dialog, int id)
{
    HWND control = nullptr;
    if (!WaitFor(kDefaultWaitMs, [&] { return (control = ShownControl(dialog, id)) != nullptr; }))
        Fail("the dialog shows no control with this id");
    return control;
}

// The picker: a captionless popup of the program holding its button.
HWND Picker()
{
    for (HWND hwnd : TopLevelWindows())
        if (IsProgramDialog(hwnd) && !(GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION) &&
            GetDlgItem(hwnd, IDC_PICKER_MORE_COLORS))
            return hwnd;
    return nullptr;
}

HWND ColourDialog()
{
    for (HWND hwnd : TopLevelWindows())
        if (IsProgramDialog(hwnd) && GetDlgItem(hwnd, COLOR_RED))
            return hwnd;
    return nullptr;
}

void Press(POINT at, const std::string& action)
{
    SendMouse(at, 0);
    Pump(50);
    if (action == "down" || action == "click")
        SendMouse(at, MOUSEEVENTF_LEFTDOWN);
    if (action == "up" || action == "click")
        SendMouse(at, MOUSEEVENTF_LEFTUP);
    if (action != "down" && action != "up" && action != "click")
        Fail("unknown mouse action");
    Pump(kAfterMouseMs);
}

int CmdPickerCell(const std::string& action, int cell)
{
    HWND picker = Picker();
    if (!picker)
        Fail("no colour picker is open");
    if (cell < 0 || cell >= kGridCells)
        Fail("no such cell");
    POINT at = {(cell % kGridColumns) * kCellPixels + kCellPixels / 2, (cell / kGridColumns) * kCellPixels + kCellPixels / 2};
    ClientToScreen(picker, &at);
    Press(at, action);
    return 0;
}

}  // namespace

bool RunColourPickingCommand(const Args& a, int& exitCode)
{
    const std::string& cmd = a[1];
    exitCode = 0;
    if (cmd == "control-rect") {
        exitCode = CmdRect(RequireControl(RequireDialogTitled(Arg(a, 2)), (int)Number(Arg(a, 3))));
    } else if (cmd == "dialog-move") {
        HWND dialog = RequireDialogTitled(Arg(a, 2));
        SetWindowPos(dialog, nullptr, (int)Number(Arg(a, 3)), (int)Number(Arg(a, 4)), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump(kAfterMouseMs);
    } else if (cmd == "press-at") {
        Press(POINT{(LONG)Number(Arg(a, 2)), (LONG)Number(Arg(a, 3))}, a.size() > 4 ? a[4] : "click");
    } else if (cmd == "picker-rect") {
        HWND picker = Picker();
        if (picker)
            exitCode = CmdRect(picker);
        else
            printf("none\n");
    } else if (cmd == "picker-cell") {
        exitCode = CmdPickerCell(Arg(a, 2), (int)Number(Arg(a, 3)));
    } else if (cmd == "picker-more") {
        HWND picker = Picker();
        if (!picker)
            Fail("no colour picker is open");
        // Posted: the standard dialog that it opens must not hold the driver.
        PostMessageA(GetDlgItem(picker, IDC_PICKER_MORE_COLORS), BM_CLICK, 0, 0);
        Pump(kAfterMouseMs);
    } else if (cmd == "colour-dialog") {
        HWND dialog = nullptr;
        if (!WaitFor(WaitArg(a, 2), [&] { return (dialog = ColourDialog()) != nullptr; }))
            Fail("no standard colour dialog");
        PrintAnsi(WindowText(dialog));
    } else {
        return false;
    }
    return true;
}
