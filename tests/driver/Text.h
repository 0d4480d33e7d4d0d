// Texts between the command line, stdout and the program: the command line and
// stdout are UTF-8, the program speaks the ANSI code page (Shift-JIS under a
// Japanese locale). In texts, \r \n \t and \\ are escapes both ways, so one
// entry is one line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

using Args = std::vector<std::string>;

std::string Convert(const std::string& in, UINT fromCodePage, UINT toCodePage);
std::string Narrow(const wchar_t* wide, int length, UINT codePage);
std::wstring Widen(const std::string& in, UINT codePage);

std::string Unescape(const std::string& s);
std::string Escape(const std::string& s);

// An argument as the program sees it: ANSI bytes, escapes resolved.
std::string AnsiArg(const std::string& utf8);

void PrintUtf8(const std::string& utf8);
void PrintAnsi(const std::string& ansi);
// "x y width height"
void PrintRect(const RECT& r);

// The command line, UTF-8, the program's own path first.
Args Utf8Args();

// Reports on stderr and ends the driver with exit code 1.
[[noreturn]] void Fail(const char* what);

// Argument I, else Fail.
const std::string& Arg(const Args& a, size_t i);

// A decimal, hexadecimal (0x) or octal number, else Fail.
long Number(const std::string& s);
