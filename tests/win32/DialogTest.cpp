// Dialogs: the modal loop, modeless pages and the exchange between members
// and controls.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "tests/win32/TestResources.h"

namespace {

class ExchangeDialog : public CDialog {
public:
    explicit ExchangeDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST_EXCHANGE, parent) {}

    int m_nCheck = BST_CHECKED;
    int m_nRadio = 1;
    int m_nCombo = 2;
    CListBox m_list;

    std::function<void(ExchangeDialog&)> m_onInit;
    std::function<BOOL(ExchangeDialog&, MSG*)> m_onPreTranslate;

    BOOL OnInitDialog() override
    {
        for (const char* text : {"zero", "one", "two", "three"})
            ::SendDlgItemMessageA(m_hWnd, IDC_TEST_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        CDialog::OnInitDialog();
        if (m_onInit)
            m_onInit(*this);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TEST_LIST, m_list);
        DDX_Check(pDX, IDC_TEST_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_TEST_RADIO_A, m_nRadio);
        DDX_CBIndex(pDX, IDC_TEST_COMBO, m_nCombo);
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (m_onPreTranslate && m_onPreTranslate(*this, msg))
            return TRUE;
        return CDialog::PreTranslateMessage(msg);
    }

    HWND Item(int id) const { return GetDlgItem(id); }
    LRESULT ItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
    }
    void PostKey(int id, WPARAM key) const { ::PostMessageA(Item(id), WM_KEYDOWN, key, 0); }
};

class OwnerWindow : public CWnd {
public:
    OwnerWindow()
    {
        CreateEx(0, AfxRegisterWndClass(0).c_str(), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                 nullptr, nullptr);
    }
};

TEST(DialogTest, TheModalLoopOffersQueuedMessagesToPreTranslateMessageWhileTheOwnerIsDisabled)
{
    OwnerWindow owner;
    ExchangeDialog dialog(&owner);
    BOOL ownerEnabledDuringRun = TRUE;
    HWND keyTarget = nullptr;
    HWND edit = nullptr;
    dialog.m_onInit = [&](ExchangeDialog& dlg) {
        ownerEnabledDuringRun = ::IsWindowEnabled(owner);
        edit = dlg.Item(IDC_TEST_EDIT);
        dlg.PostKey(IDC_TEST_EDIT, 'Q');
    };
    dialog.m_onPreTranslate = [&](ExchangeDialog& dlg, MSG* msg) {
        if (msg->message != WM_KEYDOWN || msg->wParam != 'Q')
            return FALSE;
        keyTarget = msg->hwnd;
        dlg.EndDialog(42);
        return TRUE;
    };

    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_EQ(keyTarget, edit);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the window is destroyed when DoModal returns";
}

TEST(DialogTest, KeysReachTheDialogManagerEscCancelsAndEnterConfirms)
{
    ExchangeDialog cancelled;
    cancelled.m_onInit = [](ExchangeDialog& dlg) { dlg.PostKey(IDC_TEST_EDIT, VK_ESCAPE); };
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);

    ExchangeDialog confirmed;
    confirmed.m_onInit = [](ExchangeDialog& dlg) { dlg.PostKey(IDC_TEST_EDIT, VK_RETURN); };
    EXPECT_EQ(confirmed.DoModal(), IDOK);
}

TEST(DialogTest, EndingTheDialogWhileItInitialisesReturnsWithoutRunningTheLoop)
{
    ExchangeDialog dialog;
    dialog.m_onInit = [](ExchangeDialog& dlg) { dlg.EndDialog(IDCANCEL); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DialogTest, AQuitMessageEndsTheModalLoopAndIsKeptForTheLoopOutside)
{
    ExchangeDialog dialog;
    dialog.m_onInit = [](ExchangeDialog&) { ::PostQuitMessage(7); };
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(DialogTest, AMissingTemplateFailsAndLeavesTheOwnerEnabled)
{
    OwnerWindow owner;
    CDialog missing(IDD_TEST_MISSING, &owner);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(owner));
}

TEST(DialogTest, ControlsShowTheMembersAndOkReadsTheUsersChangesBack)
{
    ExchangeDialog dialog;
    dialog.m_onInit = [](ExchangeDialog& dlg) {
        EXPECT_EQ(dlg.ItemMessage(IDC_TEST_CHECK, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(dlg.ItemMessage(IDC_TEST_RADIO_A, BM_GETCHECK), BST_UNCHECKED);
        EXPECT_EQ(dlg.ItemMessage(IDC_TEST_RADIO_B, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(dlg.ItemMessage(IDC_TEST_COMBO, CB_GETCURSEL), 2);
        EXPECT_EQ(CWnd::FromHandlePermanent(dlg.Item(IDC_TEST_LIST)), &dlg.m_list);

        // What the user does before pressing Enter.
        dlg.ItemMessage(IDC_TEST_CHECK, BM_SETCHECK, BST_UNCHECKED);
        dlg.ItemMessage(IDC_TEST_RADIO_B, BM_SETCHECK, BST_UNCHECKED);
        dlg.ItemMessage(IDC_TEST_RADIO_C, BM_SETCHECK, BST_CHECKED);
        dlg.ItemMessage(IDC_TEST_COMBO, CB_SETCURSEL, 3);
        dlg.PostKey(IDC_TEST_EDIT, VK_RETURN);
    };
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nCheck, BST_UNCHECKED);
    EXPECT_EQ(dialog.m_nRadio, 2);
    EXPECT_EQ(dialog.m_nCombo, 3);
}

TEST(DialogTest, NoRadioIndexClearsTheGroupAndNoCheckedButtonReadsAsNone)
{
    ExchangeDialog dialog;
    dialog.m_nRadio = -1;
    dialog.m_onInit = [](ExchangeDialog& dlg) {
        for (int id : {IDC_TEST_RADIO_A, IDC_TEST_RADIO_B, IDC_TEST_RADIO_C})
            EXPECT_EQ(dlg.ItemMessage(id, BM_GETCHECK), BST_UNCHECKED) << id;
        dlg.m_nRadio = 5;
        dlg.UpdateData(TRUE);
        dlg.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    EXPECT_EQ(dialog.m_nRadio, -1);
}

class CheckPage : public CDialog {
public:
    CheckPage() : CDialog(IDD_TEST_PAGE) {}
    int m_nCheck = BST_CHECKED;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, IDC_TEST_CHECK, m_nCheck); }
};

TEST(DialogTest, AModelessPageIsAChildOfItsParentAndIsFilledWhenCreated)
{
    CheckPage page;
    {
        OwnerWindow parent;
        ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &parent));
        EXPECT_EQ(::GetParent(page), parent.m_hWnd);
        EXPECT_EQ(::SendDlgItemMessageA(page, IDC_TEST_CHECK, BM_GETCHECK, 0, 0), BST_CHECKED);
    }
    EXPECT_EQ(page.m_hWnd, nullptr) << "the page goes with its parent";
}

// The version box and the start-up title share one object: opening it again
// while it is up must leave the window that is up alone.
TEST(DialogTest, ADialogWhoseWindowIsUpIsNotOpenedAgain)
{
    OwnerWindow parent;
    CheckPage page;
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &parent));
    HWND up = page.m_hWnd;
    EXPECT_FALSE(page.Create(IDD_TEST_PAGE, &parent));
    EXPECT_EQ(page.DoModal(), -1);
    EXPECT_EQ(page.m_hWnd, up);
    EXPECT_TRUE(::IsWindow(up));
    EXPECT_TRUE(::IsWindowEnabled(parent));
}

}  // namespace
