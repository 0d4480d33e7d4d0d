// Window objects: the handle map, subclassing, Default() and the record of the
// message being handled, and the PreTranslateMessage chain.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Edit.h"
#include "framework/ListBox.h"

namespace {

const UINT WM_TEST_NESTED = WM_APP + 10;

HWND MakeWindow(const char* className, DWORD style, HWND parent = nullptr)
{
    return ::CreateWindowExA(0, className, "", style, 0, 0, 200, 100, parent, nullptr, ::GetModuleHandleA(nullptr),
                             nullptr);
}

// Changes the text that WM_SETTEXT carries on to the edit control, after
// handling another message in between.
class RewritingEdit : public CEdit {
public:
    std::string m_strReplacement;
    int m_nNested = 0;

    LRESULT OnSetText(WPARAM, LPARAM)
    {
        SendMessage(WM_TEST_NESTED);
        CurrentMessage().lParam = reinterpret_cast<LPARAM>(m_strReplacement.c_str());
        return Default();
    }
    LRESULT OnNested(WPARAM, LPARAM)
    {
        ++m_nNested;
        return Default();
    }

protected:
    const MessageMap* GetMessageMap() const override
    {
        static const MessageMap map(CEdit::GetMessageMap(), {
            OnMessage(WM_SETTEXT, &RewritingEdit::OnSetText),
            OnMessage(WM_TEST_NESTED, &RewritingEdit::OnNested),
        });
        return &map;
    }
};

TEST(WindowObjectTest, DefaultPassesOnTheCurrentMessageAsTheHandlerChangedIt)
{
    RewritingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(MakeWindow("EDIT", WS_POPUP)));
    edit.m_strReplacement = "rewritten";
    edit.SetWindowText("typed");
    EXPECT_EQ(edit.m_nNested, 1);
    EXPECT_EQ(edit.GetWindowText(), "rewritten");
    EXPECT_EQ(CWnd::CurrentMessage().hwnd, nullptr) << "the record is restored after the outermost message";
}

TEST(WindowObjectTest, AttachingOnlyMapsTheWindowAndSubclassingRoutesItsMessages)
{
    HWND hwnd = MakeWindow("EDIT", WS_POPUP);

    RewritingEdit attachedOnly;
    ASSERT_TRUE(attachedOnly.Attach(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &attachedOnly);
    attachedOnly.SetWindowText("plain");
    EXPECT_EQ(attachedOnly.m_nNested, 0) << "an attached window keeps its own procedure";
    attachedOnly.Detach();
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);

    RewritingEdit edit;
    edit.m_strReplacement = "through the object";
    ASSERT_TRUE(edit.SubclassWindow(hwnd));
    EXPECT_FALSE(RewritingEdit().SubclassWindow(hwnd)) << "a window has one object";
    edit.SetWindowText("x");
    EXPECT_EQ(edit.GetWindowText(), "through the object");
    ::DestroyWindow(hwnd);
}

TEST(WindowObjectTest, ADestroyedWindowLeavesTheMapAndTheObjectCanBeUsedAgain)
{
    CListBox list;
    HWND first = MakeWindow("LISTBOX", WS_POPUP);
    ASSERT_TRUE(list.SubclassWindow(first));
    ::DestroyWindow(first);
    EXPECT_EQ(list.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(first), nullptr);

    HWND second = MakeWindow("LISTBOX", WS_POPUP);
    ASSERT_TRUE(list.SubclassWindow(second));
    EXPECT_EQ(list.AddString("again"), 0);
}

TEST(WindowObjectTest, TheObjectsDestructorDestroysItsWindow)
{
    HWND hwnd = nullptr;
    {
        CListBox list;
        hwnd = MakeWindow("LISTBOX", WS_POPUP);
        list.SubclassWindow(hwnd);
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

std::vector<std::string> g_seen;

class Watcher : public CWnd {
public:
    Watcher(std::string name, BOOL consume) : m_strName(std::move(name)), m_bConsume(consume) {}
    BOOL PreTranslateMessage(MSG*) override
    {
        g_seen.push_back(m_strName);
        return m_bConsume;
    }

private:
    std::string m_strName;
    BOOL m_bConsume;
};

TEST(WindowObjectTest, PreTranslationGoesFromTheTargetUpItsParentsToTheStopWindow)
{
    Watcher top("top", FALSE);
    Watcher middle("middle", FALSE);
    Watcher bottom("bottom", FALSE);
    ASSERT_TRUE(top.SubclassWindow(MakeWindow("STATIC", WS_POPUP)));
    ASSERT_TRUE(middle.SubclassWindow(MakeWindow("STATIC", WS_CHILD, top)));
    HWND withoutObject = MakeWindow("STATIC", WS_CHILD, middle);
    ASSERT_TRUE(bottom.SubclassWindow(MakeWindow("STATIC", WS_CHILD, withoutObject)));

    MSG msg{};
    msg.hwnd = bottom;
    msg.message = WM_KEYDOWN;
    g_seen.clear();
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(top, &msg));
    EXPECT_EQ(g_seen, (std::vector<std::string>{"bottom", "middle", "top"}));

    g_seen.clear();
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(middle, &msg));
    EXPECT_EQ(g_seen, (std::vector<std::string>{"bottom", "middle"}));

    Watcher consuming("consuming", TRUE);
    ASSERT_TRUE(consuming.SubclassWindow(withoutObject));
    g_seen.clear();
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(top, &msg));
    EXPECT_EQ(g_seen, (std::vector<std::string>{"bottom", "consuming"}));
}

}  // namespace
