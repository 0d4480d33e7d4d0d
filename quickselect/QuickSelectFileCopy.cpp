// The "@f" entries of the QuickSelect popup: a file's bytes onto the clipboard.
#include "quickselect/QuickSelectPopup.h"

#include "mainwnd/ClipboardText.h"
#include "res/resource.h"
#include "storage/RawFile.h"

BOOL CQuickSelectPopup::CopyFileToClipboard(const std::string& path)
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
        m_host.ShowErrorId(IDS_FILE_NOT_COPYABLE);
        return FALSE;
    }
    HGLOBAL block = MakeTextBlock(file.GetView(), static_cast<size_t>(size));
    file.CloseMapped();
    return block && PlaceTextBlock(m_host.PopupOwner(), block);
}
