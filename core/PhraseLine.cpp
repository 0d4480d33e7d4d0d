#include "core/PhraseLine.h"

#include <string_view>

namespace {

const char kComment = '#';
const char kSeparator = '-';
const char kEndLevel = '<';
const char kSubmenu = '>';
const char kDirective = '@';
const char kOpenBracket = '[';
const char kCloseBracket = ']';
const char kHistoryDirective = 'c';
const char kDateDirective = 'd';
const char kEditDirective = 'e';
const char kFileDirective = 'f';
const size_t kDirectiveLength = 2;   // "@" and its letter

// The C locale's white space, whatever locale the process runs in.
bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimLeading(std::string_view s)
{
    size_t start = 0;
    while (start < s.size() && IsWhiteSpace(s[start]))
        ++start;
    return s.substr(start);
}

std::string_view TrimTrailing(std::string_view s)
{
    size_t end = s.size();
    while (end > 0 && IsWhiteSpace(s[end - 1]))
        --end;
    return s.substr(0, end);
}

std::string_view Trim(std::string_view s)
{
    return TrimTrailing(TrimLeading(s));
}

// Finds "label [text]": the first "[" and the last "]" after it, so that a text
// may itself hold brackets. Returns false when either is missing.
bool SplitLabelAndText(std::string_view line, std::string_view& label, std::string_view& text)
{
    size_t open = line.find(kOpenBracket);
    if (open == std::string_view::npos)
        return false;
    size_t close = line.rfind(kCloseBracket);
    if (close == std::string_view::npos || close < open)
        return false;
    label = line.substr(0, open);
    text = line.substr(open + 1, close - open - 1);
    return true;
}

PhraseLine Make(PhraseLineKind kind, std::string_view label = {}, std::string_view text = {})
{
    PhraseLine parsed;
    parsed.kind = kind;
    parsed.label.assign(label.data(), label.size());
    parsed.text.assign(text.data(), text.size());
    return parsed;
}

PhraseLine ClassifyDirective(std::string_view line)
{
    if (line.size() < kDirectiveLength)
        return Make(PhraseLineKind::Skip);
    switch (line[1]) {
    case kHistoryDirective:
        return Make(PhraseLineKind::History);
    case kEditDirective:
        return Make(PhraseLineKind::EditEntry);
    case kDateDirective:
    case kFileDirective: {
        std::string_view label, text;
        if (!SplitLabelAndText(line, label, text))
            return Make(PhraseLineKind::Skip);
        PhraseLineKind kind =
            line[1] == kDateDirective ? PhraseLineKind::DateStamp : PhraseLineKind::FileContents;
        return Make(kind, Trim(label.substr(kDirectiveLength)), text);
    }
    default:
        return Make(PhraseLineKind::Skip);
    }
}

// "[text]": the first "]" closes, so "[a]b]" is the phrase "a".
PhraseLine ClassifyBareText(std::string_view line)
{
    size_t close = line.find(kCloseBracket);
    if (close == std::string_view::npos)
        return Make(PhraseLineKind::Skip);
    std::string_view text = line.substr(1, close - 1);
    return Make(PhraseLineKind::Phrase, text, text);
}

PhraseLine ClassifyLabelledText(std::string_view line)
{
    std::string_view label, text;
    if (!SplitLabelAndText(line, label, text))
        return Make(PhraseLineKind::Skip);
    return Make(PhraseLineKind::Phrase, TrimTrailing(label), text);
}

}  // namespace

PhraseLine ClassifyPhraseLine(const std::string& rawLine)
{
    std::string_view line = TrimLeading(rawLine);
    if (line.empty())
        return Make(PhraseLineKind::Skip);
    switch (line[0]) {
    case kComment:
        return Make(PhraseLineKind::Skip);
    case kSeparator:
        return Make(PhraseLineKind::Separator);
    case kEndLevel:
        return Make(PhraseLineKind::EndLevel);
    case kSubmenu:
        return Make(PhraseLineKind::Submenu, Trim(line.substr(1)));
    case kDirective:
        return ClassifyDirective(line);
    case kOpenBracket:
        return ClassifyBareText(line);
    default:
        return ClassifyLabelledText(line);
    }
}

void CutLabel(std::string& label)
{
    if (label.size() > kMaxLabelBytes)
        label.resize(kMaxLabelBytes);
}
