#include "quickselect/QuickSelectPopupMenu.h"

#include "framework/StdioFile.h"

CQuickSelectPopupMenu::CQuickSelectPopupMenu(QuickSelectHistory history) : m_menu(m_builder, history)
{
}

BOOL CQuickSelectPopupMenu::Build(const std::string& path)
{
    // No sharing: a file that another program holds open is not read half-written.
    CStdioFile file;
    if (!file.Open(path.c_str(), CStdioFile::modeRead | CStdioFile::shareExclusive | CStdioFile::modeCreate |
                                     CStdioFile::modeNoTruncate | CStdioFile::typeText))
        return m_menu.Build(nullptr);
    return m_menu.Build(file.GetByteSource());
}

int32_t CQuickSelectPopupMenu::TrackAt(int x, int y, HWND owner, std::string& text) const
{
    HMENU root = static_cast<HMENU>(m_menu.GetRootMenu());
    if (!root)
        return QS_NONE;
    int id = static_cast<int>(::TrackPopupMenu(root, TPM_RETURNCMD, x, y, 0, owner, nullptr));
    return m_menu.LookUpChoice(id, text);
}
