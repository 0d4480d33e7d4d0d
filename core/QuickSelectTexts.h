// Japanese texts of the QuickSelect menu and its date/time stamps. Sources are
// UTF-8; the compiler turns these literals into Shift-JIS.
#pragma once

const char kHistoryMenuTitle[] = "クリップボード履歴";
const char kEditEntryLabel[] = "クイックセレクトの編集...";

const char kMorningJapanese[] = "午前";
const char kAfternoonJapanese[] = "午後";

// Sunday first.
const char* const kWeekdayKanji[7] = {"日", "月", "火", "水", "木", "金", "土"};
