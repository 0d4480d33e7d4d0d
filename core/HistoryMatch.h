// Finding history entries by words typed in the search box. Pure byte work
// on Shift-JIS texts, so that it is fast enough to run over the whole history
// on every keystroke.
#pragma once
#include <string>
#include <vector>

struct HistoryItem;

// The words of a search text: split at half-width and full-width spaces, no
// empty words. A full-width space is only one when it is a whole character.
std::vector<std::string> SplitSearchWords(const std::string& text);

// Whether `word` occurs in `text`. ASCII letters match in either case; every
// other character, full-width letters included, matches only itself. A match
// starts and ends on character boundaries: "a" is not found in the second
// byte of a two-byte character. The empty word is found everywhere.
bool ContainsSearchWord(const std::string& text, const std::string& word);

// A search text ready to test entries with.
class SearchQuery {
public:
    SearchQuery() = default;
    explicit SearchQuery(const std::string& text) : m_words(SplitSearchWords(text)) {}

    // True when there is no word: every entry matches.
    bool IsEmpty() const { return m_words.empty(); }
    // Every word occurs in the entry's text or in its source title.
    bool Matches(const HistoryItem& item) const;

private:
    std::vector<std::string> m_words;
};

// "12 件 / 3,481 件": matches out of all entries, with thousands separators.
std::string FormatMatchCount(int matches, int total);
