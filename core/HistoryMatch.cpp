#include "core/HistoryMatch.h"

#include "core/HistoryItem.h"
#include "core/ShiftJis.h"
#include "core/UiTexts.h"

#include <cstdio>
#include <cstring>

namespace {

const char kHalfWidthSpace = ' ';

inline unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

inline bool IsAsciiLetter(unsigned char c)
{
    return FoldAscii(c) >= 'a' && FoldAscii(c) <= 'z';
}

// Compares the word with the text at `at`, a character boundary, character by
// character of the text: a two-byte character must be matched whole and
// exactly, a single byte with ASCII case folded.
bool MatchesAt(const unsigned char* text, size_t length, size_t at, const unsigned char* word, size_t wordLength)
{
    size_t i = 0;
    while (i < wordLength) {
        if (at + i >= length)
            return false;
        unsigned char c = text[at + i];
        if (IsShiftJisLeadByte(c)) {
            // The word must not end between the lead byte and its trail byte.
            if (i + 1 >= wordLength || at + i + 1 >= length)
                return false;
            if (word[i] != c || word[i + 1] != text[at + i + 1])
                return false;
            i += 2;
        } else {
            if (FoldAscii(word[i]) != FoldAscii(c))
                return false;
            ++i;
        }
    }
    return true;
}

// The places where a word's first byte occurs, in order: memchr for the byte
// and, for a letter, for its other case as well, so that a long text is
// skipped at memchr's speed.
class CandidateFinder {
public:
    CandidateFinder(const unsigned char* text, size_t length, unsigned char first)
        : m_text(text), m_length(length)
    {
        m_bytes[0] = first;
        m_bytes[1] = first;
        if (IsAsciiLetter(first)) {
            m_bytes[0] = FoldAscii(first);
            m_bytes[1] = static_cast<unsigned char>(m_bytes[0] - ('a' - 'A'));
        }
        m_next[0] = Find(0, 0);
        m_next[1] = m_bytes[1] == m_bytes[0] ? kNone : Find(1, 0);
    }

    // The next candidate, or kNone.
    size_t Next()
    {
        int which = m_next[0] <= m_next[1] ? 0 : 1;
        size_t found = m_next[which];
        if (found != kNone)
            m_next[which] = Find(which, found + 1);
        return found;
    }

    static const size_t kNone = static_cast<size_t>(-1);

private:
    size_t Find(int which, size_t from) const
    {
        if (from >= m_length)
            return kNone;
        const void* hit = std::memchr(m_text + from, m_bytes[which], m_length - from);
        return hit ? static_cast<size_t>(static_cast<const unsigned char*>(hit) - m_text) : kNone;
    }

    const unsigned char* m_text;
    size_t m_length;
    unsigned char m_bytes[2];
    size_t m_next[2];
};

}  // namespace

std::vector<std::string> SplitSearchWords(const std::string& text)
{
    // Written as text so that the compiler gives its Shift-JIS bytes.
    static const std::string fullWidthSpace = "　";
    std::vector<std::string> words;
    std::string word;
    auto endWord = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (size_t i = 0; i < text.size();) {
        size_t width = IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (text[i] == kHalfWidthSpace || text.compare(i, width, fullWidthSpace) == 0)
            endWord();
        else
            word.append(text, i, width);
        i += width;
    }
    endWord();
    return words;
}

bool ContainsSearchWord(const std::string& text, const std::string& word)
{
    if (word.empty())
        return true;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const auto* w = reinterpret_cast<const unsigned char*>(word.data());
    const size_t length = text.size();
    // A character boundary known to lie at or before every later candidate.
    size_t boundary = 0;
    CandidateFinder candidates(t, length, w[0]);
    for (size_t at = candidates.Next(); at != CandidateFinder::kNone; at = candidates.Next()) {
        if (length - at < word.size())
            return false;
        // A byte outside the lead-byte range always ends a character, so the
        // run of lead-range bytes just before the candidate pairs up from its
        // start: an even run puts the candidate on a boundary.
        size_t start = at;
        while (start > boundary && IsShiftJisLeadByte(t[start - 1]))
            --start;
        bool onBoundary = (at - start) % 2 == 0;
        boundary = onBoundary ? at : at - 1;
        if (onBoundary && MatchesAt(t, length, at, w, word.size()))
            return true;
    }
    return false;
}

bool SearchQuery::Matches(const HistoryItem& item) const
{
    for (const std::string& word : m_words) {
        if (!ContainsSearchWord(item.text, word) && !ContainsSearchWord(item.source, word))
            return false;
    }
    return true;
}

namespace {
std::string WithThousands(int n)
{
    std::string digits = std::to_string(n < 0 ? 0 : n);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}
}  // namespace

std::string FormatMatchCount(int matches, int total)
{
    return WithThousands(matches) + kCountUnit + " / " + WithThousands(total) + kCountUnit;
}
