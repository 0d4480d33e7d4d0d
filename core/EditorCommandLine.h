// The command line that opens a file in the editor registered for its type:
// the registered command with its "%1" placeholder replaced by the path.
#pragma once
#include <string>

// The longest command line, in bytes, that a new process can be started
// with (the system's limit, less the terminating NUL).
const size_t kMaxEditorCommandLine = 32766;

// The registered command is cut where "\"%1\"" (or, when that is absent,
// "%1") begins, dropping the placeholder and everything after it; then a
// space and the unquoted path are appended. Without a placeholder the space
// and the path follow the whole command. False, with commandLine untouched,
// when the result would exceed kMaxEditorCommandLine.
bool BuildEditorCommandLine(const std::string& registeredCommand, const std::string& path,
                            std::string& commandLine);
