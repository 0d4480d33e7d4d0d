// Typing in the history list or the text preview starts a search: a hook on
// each of them takes the printable characters typed there (keyboard or IME,
// double-byte ones included) and hands them on, so that the list's own
// type-ahead never runs.
#pragma once
#include "core/TypedCharacter.h"
#include "framework/SubclassWnd.h"

#include <functional>
#include <string>

class CTypeToSearch : public CSubclassWnd {
public:
    using TypedHandler = std::function<void(const std::string& character)>;
    explicit CTypeToSearch(TypedHandler typed) : m_typed(std::move(typed)) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TypedHandler m_typed;
    TypedCharacter m_typing;
};
