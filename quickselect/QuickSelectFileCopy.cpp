// The "@f" entries of the QuickSelect popup: a file's bytes onto the clipboard.
#include <cstring>

#include "mainwnd/MainDialog.h"
#include "res/resource.h"
#include "storage/RawFile.h"

namespace {
// The file's bytes as a NUL-terminated clipboard block; null when memory runs out.
HGLOBAL CopyToGlobalText(const void* bytes, uint64_t size)
{
    if (size >= SIZE_MAX)
        return nullptr;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(size) + 1);
    char* text = block ? static_cast<char*>(::GlobalLock(block)) : nullptr;
    if (!text) {
        if (block)
            ::GlobalFree(block);
        return nullptr;
    }
    memcpy(text, bytes, static_cast<size_t>(size));
    text[size] = '\0';
    ::GlobalUnlock(block);
    return block;
}
}  // namespace

BOOL CMainDialog::CopyFileToClipboard(const std::string& path)
{
    // Missing, read-only, in use, empty (an empty file cannot be mapped), or
    // of a size that cannot be read: the user is told the same for each.
    CRawFile file;
    uint64_t size = 0;
    if (file.OpenMapped(path.c_str())) {
        try {
            size = file.GetSize();
        } catch (const EzFileException&) {
            size = 0;
        }
    }
    if (size == 0) {
        file.CloseMapped();   // not held open while the box waits for the user
        ShowErrorId(IDS_FILE_NOT_COPYABLE);
        return FALSE;
    }
    HGLOBAL block = CopyToGlobalText(file.GetView(), size);
    file.CloseMapped();
    if (!block)
        return FALSE;
    if (!::OpenClipboard(m_hWnd)) {
        ::GlobalFree(block);
        return FALSE;
    }
    ::EmptyClipboard();
    BOOL placed = ::SetClipboardData(CF_TEXT, block) != nullptr;
    ::CloseClipboard();
    if (!placed)
        ::GlobalFree(block);
    return placed;
}
