// Characters typed into a window of this ANSI program arrive a byte at a
// time: a double-byte character as its lead byte and then its trail byte.
// This puts them back together and tells printable characters from keys
// such as Enter, Tab, Esc, Backspace and the Ctrl+letter codes.
#pragma once
#include <string>

class TypedCharacter {
public:
    // The character that this byte completes when it is printable, else an
    // empty string (a lead byte waits for its trail byte).
    std::string Feed(unsigned char byte);

private:
    int m_nLead = -1;   // the lead byte waiting for its trail, or -1
};
