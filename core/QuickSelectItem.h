// The record behind one selectable QuickSelect entry. Entry k of a popup (its
// command id) is the record at index k - 1 of the item list.
#pragma once
#include <cstdint>
#include <string>

#include "core/NodeList.h"

// Codes of 0 and more are history indexes (0 = newest entry).
const int32_t QS_TEXT = -1;   // put Text on the clipboard
const int32_t QS_FILE = -2;   // put the contents of the file named by Text on the clipboard
const int32_t QS_EDIT = -3;   // open the phrase file for editing
const int32_t QS_NONE = -4;   // the popup closed without a choice; never stored in a record

struct QuickSelectItem {
    int32_t Code = QS_NONE;
    std::string Text;
};

using CQuickSelectItemList = CNodeList<QuickSelectItem>;
