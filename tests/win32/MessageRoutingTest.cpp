// Messages, commands and notifications reach the right member handlers, and
// controls get their own notifications back from the parent.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/ListBox.h"
#include "framework/TabCtrl.h"

namespace {

std::vector<std::string> g_log;

const UINT WM_TEST_PING = WM_APP + 1;
const UINT WM_TEST_DERIVED = WM_APP + 2;
const UINT ID_TEST_MENU_ITEM = 40001;
const UINT ID_LIST = 100;
const UINT ID_PLAIN_LIST = 101;
const UINT ID_TABS = 102;
const UINT ID_PLAIN_TABS = 103;
const UINT ID_OWNER_DRAWN = 104;

class TestParent : public CWnd {
public:
    BOOL Create()
    {
        return CreateEx(0, AfxRegisterWndClass(0).c_str(), "parent", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400,
                        300, nullptr, nullptr);
    }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        g_log.push_back("parent ping");
        return wParam + lParam;
    }
    LRESULT OnDerivedMessage(WPARAM, LPARAM)
    {
        g_log.push_back("base derived-message");
        return 1;
    }
    void OnMenuItem() { g_log.push_back("parent command"); }
    void OnListSelChange() { g_log.push_back("parent LBN_SELCHANGE"); }
    void OnListDblClk() { g_log.push_back("parent LBN_DBLCLK"); }
    void OnTabSelChange(NMHDR* header, LRESULT*) { g_log.push_back("parent TCN_SELCHANGE " + std::to_string(header->idFrom)); }
    LRESULT OnCtlColorListBox(WPARAM, LPARAM)
    {
        g_log.push_back("parent WM_CTLCOLORLISTBOX");
        return reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH));
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(), {
            OnMessage(WM_TEST_PING, &TestParent::OnPing),
            OnMessage(WM_TEST_DERIVED, &TestParent::OnDerivedMessage),
            OnCommand(ID_TEST_MENU_ITEM, &TestParent::OnMenuItem),
            OnControl(LBN_SELCHANGE, ID_LIST, &TestParent::OnListSelChange),
            OnControl(LBN_DBLCLK, ID_LIST, &TestParent::OnListDblClk),
            OnControl(LBN_SELCHANGE, ID_PLAIN_LIST, &TestParent::OnListSelChange),
            OnNotify(TCN_SELCHANGE, ID_TABS, &TestParent::OnTabSelChange),
            OnNotify(TCN_SELCHANGE, ID_PLAIN_TABS, &TestParent::OnTabSelChange),
            OnMessage(WM_CTLCOLORLISTBOX, &TestParent::OnCtlColorListBox),
        });
        return &map;
    }
};

class DerivedParent : public TestParent {
public:
    LRESULT OnDerivedMessage(WPARAM, LPARAM)
    {
        g_log.push_back("derived derived-message");
        return 2;
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(TestParent::GetMessageMap(), {
            OnMessage(WM_TEST_DERIVED, &DerivedParent::OnDerivedMessage),
        });
        return &map;
    }
};

// Handles LBN_SELCHANGE with the parent also seeing it unless told otherwise; colours itself when it has a brush.
class ReflectingList : public CListBox {
public:
    BOOL m_bKeepSelChange = FALSE;
    HBRUSH m_hBrush = nullptr;

    BOOL OnReflectedSelChange()
    {
        g_log.push_back("list LBN_SELCHANGE");
        return m_bKeepSelChange;
    }
    HBRUSH CtlColor(CDC* dc, UINT ctlColor)
    {
        g_log.push_back(ctlColor == CTLCOLOR_LISTBOX ? "list CTLCOLOR_LISTBOX" : "list other colour");
        if (m_hBrush)
            dc->SetTextColor(RGB(1, 2, 3));
        return m_hBrush;
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CListBox::GetMessageMap(), {
            OnControlReflectEx(LBN_SELCHANGE, &ReflectingList::OnReflectedSelChange),
            OnCtlColorReflect(&ReflectingList::CtlColor),
        });
        return &map;
    }
};

// Keeps the current tab when told to, as a page that refuses to be left.
class GuardedTabs : public CTabCtrl {
public:
    BOOL m_bRefuse = FALSE;
    void OnSelChanging(NMHDR*, LRESULT* result)
    {
        g_log.push_back("tabs TCN_SELCHANGING");
        *result = m_bRefuse;
    }
    void OnSelChange(NMHDR*, LRESULT*) { g_log.push_back("tabs TCN_SELCHANGE"); }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CTabCtrl::GetMessageMap(), {
            OnNotifyReflect(TCN_SELCHANGING, &GuardedTabs::OnSelChanging),
            OnNotifyReflect(TCN_SELCHANGE, &GuardedTabs::OnSelChange),
        });
        return &map;
    }
};

class PaintedButton : public CButton {
public:
    UINT m_nDrawnId = 0;
    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        m_nDrawnId = item->CtlID;
        ::FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
};

HWND MakeChild(HWND parent, const char* className, DWORD style, UINT id, int x)
{
    return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, x, 10, 90, 120, parent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
}

class MessageRoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(m_parent.Create());
        ASSERT_TRUE(m_list.SubclassWindow(MakeChild(m_parent, "LISTBOX", LBS_NOTIFY, ID_LIST, 0)));
        m_hwndPlainList = MakeChild(m_parent, "LISTBOX", LBS_NOTIFY, ID_PLAIN_LIST, 100);
        ASSERT_TRUE(m_tabs.SubclassWindow(MakeChild(m_parent, WC_TABCONTROLA, 0, ID_TABS, 200)));
        m_hwndPlainTabs = MakeChild(m_parent, WC_TABCONTROLA, 0, ID_PLAIN_TABS, 300);
        m_tabs.InsertItem(0, "one", 0);
        m_tabs.InsertItem(1, "two", 0);
        for (int index : {0, 1}) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>("tab");
            ::SendMessageA(m_hwndPlainTabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
        }
    }

    // What a user's click on the second tab makes the tab control send.
    void ClickSecondTab(HWND tabs)
    {
        RECT item{};
        ::SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
        LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        ::SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageA(tabs, WM_LBUTTONUP, 0, point);
    }

    void SendControlNotification(HWND control, UINT id, UINT code)
    {
        m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
    }

    DerivedParent m_parent;
    ReflectingList m_list;
    GuardedTabs m_tabs;
    HWND m_hwndPlainList = nullptr;
    HWND m_hwndPlainTabs = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(MessageRoutingTest, WindowMessagesReachTheirHandlersAndTheRestKeepsDefaultBehaviour)
{
    EXPECT_EQ(m_parent.SendMessage(WM_TEST_PING, 40, 2), 42);
    // The derived class's entry wins over its base's entry for the same message.
    EXPECT_EQ(m_parent.SendMessage(WM_TEST_DERIVED), 2);
    EXPECT_EQ(g_log, (Log{"parent ping", "derived derived-message"}));

    m_parent.SetWindowText("unhandled");
    EXPECT_EQ(m_parent.GetWindowText(), "unhandled");
}

TEST_F(MessageRoutingTest, MenuItemsAndAcceleratorsAreCommandsButControlNotificationsAreNot)
{
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_MENU_ITEM, 0), 0);
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_MENU_ITEM, 1), 0);
    EXPECT_EQ(g_log, (Log{"parent command", "parent command"}));

    // LBN_SELCHANGE has the accelerator's code 1, but comes from a control.
    g_log.clear();
    SendControlNotification(m_hwndPlainList, ID_TEST_MENU_ITEM, LBN_SELCHANGE);
    EXPECT_TRUE(g_log.empty());
    SendControlNotification(m_hwndPlainList, ID_PLAIN_LIST, LBN_SELCHANGE);
    EXPECT_EQ(g_log, (Log{"parent LBN_SELCHANGE"}));
}

TEST_F(MessageRoutingTest, AReflectedNotificationStaysWithTheControlUnlessItsHandlerPassesItOn)
{
    // One the control does not reflect goes straight to the parent.
    SendControlNotification(m_list, ID_LIST, LBN_DBLCLK);
    EXPECT_EQ(g_log, (Log{"parent LBN_DBLCLK"}));

    g_log.clear();
    SendControlNotification(m_list, ID_LIST, LBN_SELCHANGE);
    EXPECT_EQ(g_log, (Log{"list LBN_SELCHANGE", "parent LBN_SELCHANGE"}));

    g_log.clear();
    m_list.m_bKeepSelChange = TRUE;
    SendControlNotification(m_list, ID_LIST, LBN_SELCHANGE);
    EXPECT_EQ(g_log, (Log{"list LBN_SELCHANGE"}));
}

TEST_F(MessageRoutingTest, TabNotificationsAreReflectedWithTheControlsAnswer)
{
    m_tabs.m_bRefuse = TRUE;
    ClickSecondTab(m_tabs);
    EXPECT_EQ(m_tabs.GetCurSel(), 0);
    EXPECT_EQ(g_log, (Log{"tabs TCN_SELCHANGING"}));

    g_log.clear();
    m_tabs.m_bRefuse = FALSE;
    ClickSecondTab(m_tabs);
    EXPECT_EQ(m_tabs.GetCurSel(), 1);
    EXPECT_EQ(g_log, (Log{"tabs TCN_SELCHANGING", "tabs TCN_SELCHANGE"}));

    // A tab control without an object notifies the parent as usual.
    g_log.clear();
    ClickSecondTab(m_hwndPlainTabs);
    EXPECT_EQ(g_log, (Log{"parent TCN_SELCHANGE " + std::to_string(ID_PLAIN_TABS)}));
}

TEST_F(MessageRoutingTest, AControlWithABrushColoursItselfOtherwiseTheParentDecides)
{
    HDC dc = ::GetDC(m_list);
    HBRUSH own = ::CreateSolidBrush(RGB(10, 20, 30));
    m_list.m_hBrush = own;
    LRESULT brush = m_parent.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_list.m_hWnd));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(own));
    EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(g_log, (Log{"list CTLCOLOR_LISTBOX"}));

    g_log.clear();
    m_list.m_hBrush = nullptr;
    brush = m_parent.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_list.m_hWnd));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)));
    EXPECT_EQ(g_log, (Log{"list CTLCOLOR_LISTBOX", "parent WM_CTLCOLORLISTBOX"}));
    ::ReleaseDC(m_list, dc);
    ::DeleteObject(own);
}

TEST_F(MessageRoutingTest, AnOwnerDrawnButtonPaintsItselfThroughTheParentsDrawItem)
{
    PaintedButton button;
    ASSERT_TRUE(button.SubclassWindow(MakeChild(m_parent, "BUTTON", BS_OWNERDRAW, ID_OWNER_DRAWN, 0)));
    m_parent.ShowWindow(SW_SHOWNOACTIVATE);
    ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(button.m_nDrawnId, ID_OWNER_DRAWN);
}

}  // namespace
