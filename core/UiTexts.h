// User-visible Japanese texts that are not in the resources. Written in UTF-8;
// the compiler turns them into Shift-JIS.
#pragma once

// Settings defaults.
inline const char kDefaultFaceName[] = "ＭＳ ゴシック";
inline const char kDefaultUserName[] = "あなた";

// Stands for a line break in a history list line.
inline const char kLineBreakMarker[] = "(改)";

// The info view's description of an entry: size, local date with the whole
// year, weekday, time without leading zeros, source window title.
inline const char kItemInfoFormat[] =
    "サイズ\t： %d Bytes\r\n日付\t： %d/%d/%d %s （%d:%d:%d）\r\nアプリ\t： %s";

// Title of the program's error boxes.
inline const char kErrorBoxTitle[] = "Quillorn - エラー";

// The QuickSelect menu and its date/time stamps.
inline const char kHistoryMenuTitle[] = "クリップボード履歴";
inline const char kEditEntryLabel[] = "クイックセレクトの編集...";
inline const char kMorningJapanese[] = "午前";
inline const char kAfternoonJapanese[] = "午後";
// Sunday first.
inline const char* const kWeekdayKanji[7] = {"日", "月", "火", "水", "木", "金", "土"};

// The title screen's dedication line, with the user's name.
inline const char kDedicationFormat[] = "%s 専用";
// The settings dialogs.
inline const char kLimitLabelByCount[] = "保存する個数(&V)：";
inline const char kLimitLabelBySize[] = "保存する容量(&V)：";
inline const char kLimitUnitEntries[] = "個";
inline const char kLimitUnitKilobytes[] = "KB";
inline const char kConfirmBoxTitle[] = "Quillorn - 確認";
inline const char kConfirmHistoryCut[] =
    "「履歴の設定」での変更を有効にすると、いくつかのテキストデータを\n削除することになります。よろしいですか？";
inline const char kFontSampleName[] = "Quillorn ";
inline const char kChooseValidFontName[] = "正しいフォント名を選択してください。";
inline const char kChooseValidFontStyle[] = "正しいスタイルを選択してください。";
inline const char kChooseValidFontSize[] = "正しいサイズを選択してください。";
// The customize dialog: tab captions, the hint box above the tabs (its group
// caption is the format filled with the tab's caption), and the title-bar
// pages' colour labels, which follow the fill type.
inline const char* const kCustomizeTabCaptions[5] = {"色設定１", "色設定２", "色設定３", "タイトル文字", "その他"};
inline const char* const kCustomizeHints[5] = {
    "各ビューの配色を設定します。変更時の状況はメインウィンドウで\n確認することができます。",
    "アクティブな時のタイトルバーの色を設定します。\n変更時の状況はメインウィンドウで確認することができます。",
    "アクティブではない時のタイトルバーの色を設定します。\n変更時の状況はメインウィンドウで確認することができます。",
    "タイトルバーの文字の位置や色を設定します。\n文字の位置はメインウィンドウにのみ適用されます。",
    "使用者の名前や、ボタン、ビューの表示状態を設定します。\n好きな色はタイトル画面で使用されます。",
};
inline const char kCustomizeHintGroupFormat[] = " 「%s」のヒント ";
inline const char kTopColourLabel[] = "上の色：";
inline const char kBottomColourLabel[] = "下の色：";
inline const char kLeftColourLabel[] = "左の色：";
inline const char kRightColourLabel[] = "右の色：";
inline const char kSingleColourLabel[] = "塗る色：";
