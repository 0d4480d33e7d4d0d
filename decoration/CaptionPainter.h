// Paints a window's title bar itself: a solid colour or a two-colour gradient
// (horizontal with a knee, or vertical), the small icon, the caption buttons
// and the title text in the colour and alignment chosen, for the active and
// the inactive state. The rest of the frame is still the system's.
//
// A window that wants a painted title bar holds one painter as a member and
// calls ApplyCaptionSettings in its dialog initialisation; the painter hooks
// the window's procedure and comes off by itself when the window goes. The
// caption of each state is rendered once into a bitmap of its exact size and
// copied on every repaint until something changes it.
#pragma once
#include <windows.h>

#include "core/CaptionFill.h"
#include "core/CaptionLayout.h"
#include "framework/DC.h"
#include "framework/GdiObjects.h"
#include "framework/SubclassWnd.h"

class CCaptionPainter : public CSubclassWnd {
public:
    // Hooks `wnd` and configures the painter from the stored title-bar
    // settings. Only the application's main window takes the stored text
    // position; every other window keeps its title at the left.
    void ApplyCaptionSettings(CWnd* wnd, const CaptionSettings& settings);
    // One state's fill from its stored record (the default record gives the
    // system caption colour at the top running to black at the bottom).
    void ApplyBarColours(BOOL active, const FillRecord& record);
    // The text colours (and, for the main window, the position) from the
    // stored record; a default record changes nothing.
    void ApplyCaptionText(const TitleTextRecord& record, BOOL mainWindow);

    // Hooks `wnd` with the plain system caption colour and white text at the left.
    void Attach(CWnd* wnd);
    // Colours may be kSystemCaptionColour (-1) for the state's system colour.
    void SetSolid(BOOL active, COLORREF colour);
    void SetKneeGradient(BOOL active, COLORREF from, COLORREF to, int kneePercent);
    void SetVerticalGradient(BOOL active, COLORREF from, COLORREF to);

    // The title text of one state in a colour of its own, and where the
    // title stands (a stored position: 0 left, 1 centred, anything else
    // right). They show at the next redraw.
    void SetTextColor(BOOL active, COLORREF colour);
    void SetTextAlign(int position);
    // Paints the title bar now, from the cached image when nothing changed.
    void RedrawCaption();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MarkStale() { m_szCache = {0, 0}; }
    CaptionFill& FillOf(BOOL active) { return active ? m_fillActive : m_fillInactive; }
    void FillChanged();

    // The title bar in window coordinates.
    CaptionBox CaptionBar() const;
    // The one path that draws a caption, into the cache bitmap's DC.
    void RenderCaption(CDC& dc, int width, int height);
    void RenderFill(CDC& dc, int width, int height);
    void DrawButtons(CDC& dc, const CaptionLayout& layout);
    void DrawTitleText(CDC& dc, const CaptionBox& box);
    HICON SmallIcon() const;

    LRESULT OnNcPaint(WPARAM wParam);
    LRESULT OnNcActivate(WPARAM wParam);
    LRESULT OnSetText();
    // Default processing that must not paint the system's own caption over ours.
    LRESULT CallDefaultUnseen();

    int m_bActive = 0;              // the caption is drawn active (1) or inactive (0)
    SIZE m_szCache = {0, 0};        // size of the cached images; 0, 0 when stale
    CFont m_fontCaption;            // made from the system's caption font on first use
    CBitmap m_bmpCache[2];          // finished caption: [0] inactive, [1] active
    CaptionFill m_fillActive;
    CaptionFill m_fillInactive;
    int m_nTextAlign = 0;           // DT_LEFT, DT_CENTER or DT_RIGHT
    COLORREF m_crTextActive = RGB(255, 255, 255);
    COLORREF m_crTextInactive = RGB(255, 255, 255);
};
