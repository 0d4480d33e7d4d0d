// The clipboard viewer in the real viewer chain: which clipboard changes reach
// its owner, with which source title. The program's own writes must never come
// back as new entries, and one such write must not swallow a foreign copy.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/Wnd.h"
#include "history/ClipboardViewer.h"

namespace {

const DWORD kDeliveryDeadlineMs = 5000;

struct Capture {
    std::string text;
    std::string source;
};

class RecordingOwner : public IClipboardViewerOwner {
public:
    void TextCaptured(std::string text, const std::string& source, int32_t) override
    {
        captures.push_back({std::move(text), source});
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Capture& capture : captures)
            texts.push_back(capture.text);
        return texts;
    }
    std::vector<Capture> captures;
};

class ClipboardViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string cls = AfxRegisterWndClass(0);
        m_window.CreateEx(0, cls.c_str(), "viewer", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
        m_other.CreateEx(0, cls.c_str(), "メモ帳 - 下書き", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
        m_otherChild = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, m_other.m_hWnd,
                                         nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_window.m_hWnd && m_other.m_hWnd && m_otherChild);
        m_viewer.Join(&m_window);
    }
    void TearDown() override
    {
        m_viewer.Leave();
        m_other.DestroyWindow();
        m_window.DestroyWindow();
    }

    // Puts the bytes on the clipboard as `format`, owned by `owner`.
    static void Put(HWND owner, UINT format, const std::string& bytes)
    {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        ASSERT_NE(block, nullptr);
        memcpy(::GlobalLock(block), bytes.c_str(), bytes.size() + 1);
        ::GlobalUnlock(block);
        ASSERT_TRUE(::OpenClipboard(owner));
        ::EmptyClipboard();
        ASSERT_NE(::SetClipboardData(format, block), nullptr);
        ::CloseClipboard();
    }
    // Another program copies a text from its edit box.
    void CopyElsewhere(const std::string& text) { Put(m_otherChild, CF_TEXT, text); }

    // Handles the messages already waiting for this thread.
    static void HandlePending()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    // Handles this thread's messages until the owner has received `text`.
    // Changes reach the viewer in order, so everything copied before `text`
    // has been seen by then.
    bool WaitForCapture(const std::string& text)
    {
        DWORD start = ::GetTickCount();
        for (;;) {
            HandlePending();
            for (const Capture& capture : m_owner.captures)
                if (capture.text == text)
                    return true;
            if (::GetTickCount() - start > kDeliveryDeadlineMs)
                return false;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }

    RecordingOwner m_owner;
    CWnd m_window;
    CWnd m_other;
    HWND m_otherChild = nullptr;
    CClipboardViewer m_viewer{m_owner};
};

TEST_F(ClipboardViewerTest, ForeignCopyReachesTheOwnerWithItsTopLevelWindowTitle)
{
    m_viewer.BeginCapture();
    CopyElsewhere("copied text");
    ASSERT_TRUE(WaitForCapture("copied text")) << "the copy never reached the owner";
    ASSERT_EQ(m_owner.captures.size(), 1u);
    EXPECT_EQ(m_owner.captures[0].source, "メモ帳 - 下書き");
}

TEST_F(ClipboardViewerTest, ChangesBeforeCaptureBeginsAreIgnored)
{
    CopyElsewhere("during start-up");
    HandlePending();
    m_viewer.BeginCapture();
    CopyElsewhere("after start-up");
    ASSERT_TRUE(WaitForCapture("after start-up")) << "the copy after start-up never reached the owner";
    EXPECT_EQ(m_owner.Texts(), std::vector<std::string>{"after start-up"});
}

TEST_F(ClipboardViewerTest, SelfCopySkipsTheOwnWriteAndOnlyThat)
{
    m_viewer.BeginCapture();
    m_viewer.SetSelfCopy(true);
    Put(m_window.m_hWnd, CF_TEXT, "written back by the program");
    CopyElsewhere("next foreign copy");
    CopyElsewhere("and the one after");
    ASSERT_TRUE(WaitForCapture("and the one after")) << "the foreign copies never reached the owner";
    EXPECT_EQ(m_owner.Texts(), (std::vector<std::string>{"next foreign copy", "and the one after"}));
}

TEST_F(ClipboardViewerTest, SelfCopyOutlivesAChangeWithoutText)
{
    m_viewer.BeginCapture();
    m_viewer.SetSelfCopy(true);
    Put(m_otherChild, ::RegisterClipboardFormatA("Quillorn test picture"), "not text");
    Put(m_window.m_hWnd, CF_TEXT, "written back by the program");
    CopyElsewhere("foreign copy");
    ASSERT_TRUE(WaitForCapture("foreign copy")) << "the foreign copy never reached the owner";
    EXPECT_EQ(m_owner.Texts(), std::vector<std::string>{"foreign copy"});
}

}  // namespace
