#include "core/EditorCommandLine.h"

namespace {
const char kQuotedPlaceholder[] = "\"%1\"";
const char kPlaceholder[] = "%1";
}

bool BuildEditorCommandLine(const std::string& registeredCommand, const std::string& path,
                            std::string& commandLine)
{
    size_t cut = registeredCommand.find(kQuotedPlaceholder);
    if (cut == std::string::npos)
        cut = registeredCommand.find(kPlaceholder);
    size_t kept = cut == std::string::npos ? registeredCommand.size() : cut;
    if (kept > kMaxEditorCommandLine || path.size() + 1 > kMaxEditorCommandLine - kept)
        return false;
    commandLine.assign(registeredCommand, 0, kept);
    commandLine += ' ';
    commandLine += path;
    return true;
}
