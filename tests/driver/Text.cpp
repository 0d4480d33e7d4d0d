#include "tests/driver/Text.h"

#include <cstdio>
#include <cstdlib>

std::string Narrow(const wchar_t* wide, int length, UINT codePage)
{
    if (length <= 0)
        return {};
    int size = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(codePage, 0, wide, length, &out[0], size, nullptr, nullptr);
    return out;
}

std::wstring Widen(const std::string& in, UINT codePage)
{
    if (in.empty())
        return {};
    int length = MultiByteToWideChar(codePage, 0, in.data(), (int)in.size(), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(codePage, 0, in.data(), (int)in.size(), &wide[0], length);
    return wide;
}

std::string Convert(const std::string& in, UINT fromCodePage, UINT toCodePage)
{
    if (in.empty())
        return in;
    std::wstring wide = Widen(in, fromCodePage);
    return Narrow(wide.data(), (int)wide.size(), toCodePage);
}

std::string Unescape(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        char c = s[++i];
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

std::string Escape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

std::string AnsiArg(const std::string& utf8) { return Convert(Unescape(utf8), CP_UTF8, CP_ACP); }

void PrintUtf8(const std::string& utf8)
{
    std::string line = Escape(utf8) + "\n";
    fwrite(line.data(), 1, line.size(), stdout);
    fflush(stdout);
}

// Escaped after the conversion: a Shift-JIS character may hold a backslash byte.
void PrintAnsi(const std::string& ansi)
{
    PrintUtf8(Convert(ansi, CP_ACP, CP_UTF8));
}

void PrintRect(const RECT& r)
{
    printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

Args Utf8Args()
{
    int argc = 0;
    LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
    Args args;
    for (int i = 0; i < argc; ++i)
        args.push_back(Narrow(wargv[i], lstrlenW(wargv[i]), CP_UTF8));
    LocalFree(wargv);
    return args;
}

void Fail(const char* what)
{
    fprintf(stderr, "qdriver: %s\n", what);
    exit(1);
}

const std::string& Arg(const Args& a, size_t i)
{
    if (a.size() <= i)
        Fail("missing argument");
    return a[i];
}

long Number(const std::string& s)
{
    char* end = nullptr;
    long v = strtol(s.c_str(), &end, 0);
    if (s.empty() || *end)
        Fail("expected a number");
    return v;
}
