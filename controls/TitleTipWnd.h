// The title tip: a small popup laid exactly over a list item whose text is
// wider than the list, showing the whole text. It belongs to one list box,
// never takes activation or the focus, and paints the item as the list would.
#pragma once
#include <string>

#include "framework/ListBox.h"

class CTitleTipWnd : public CWnd {
public:
    CTitleTipWnd();

    // Makes the (hidden) popup for `owner`; framed unless the list draws its
    // own items, in which case the owner's drawing includes any frame.
    virtual BOOL CreateTip(CListBox* owner);
    // Shows the tip for item `index` at `screenRect`, above everything.
    virtual void ShowTip(const RECT& screenRect, int index);
    virtual void HideTip();

    int GetItem() const { return m_nItem; }

protected:
    const MessageMap* GetMessageMap() const override;

private:
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    void PaintOwnerDrawn(CDC& dc, const RECT& client);
    void PaintText(CDC& dc, const RECT& client);
    void TextColours(COLORREF& text, COLORREF& back, bool& customText) const;

    int m_nItem = -1;
    CListBox* m_pListBox = nullptr;

    static std::string s_className;   // one window class for every tip
};
