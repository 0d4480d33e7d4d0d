// What one line of the phrase file asks for. Reading a line never depends on the
// lines around it, so the menu code only has to act on the answer.
#pragma once
#include <cstddef>
#include <string>

enum class PhraseLineKind {
    Skip,           // blank, comment, malformed or unknown directive
    Separator,      // "-"
    EndLevel,       // "<"
    Submenu,        // ">title"
    Phrase,         // "[text]" or "label [text]"
    History,        // "@c"
    DateStamp,      // "@d label [template]"
    FileContents,   // "@f label [path]"
    EditEntry,      // "@e"
};

struct PhraseLine {
    PhraseLineKind kind = PhraseLineKind::Skip;
    std::string label;   // as written, not yet cut; may be empty for stamps and files
    std::string text;    // the bytes between the brackets, exactly as written
};

PhraseLine ClassifyPhraseLine(const std::string& line);

// Menus show at most this many bytes of a label; the text behind it is kept whole.
const size_t kMaxLabelBytes = 26;

// Cuts by bytes, even inside a double-byte character, so a label's width is
// bounded whatever the file holds.
void CutLabel(std::string& label);
