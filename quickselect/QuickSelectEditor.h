// Opening the phrase file in the editor the user has registered for ".txt".
#pragma once
#include <windows.h>

#include <string>

// Starts the registered editor on path; when there is no usable
// registration, or its command cannot be started, Notepad.exe instead.
void EditQuickSelectFile(const std::string& path);

// The default value of a key under HKEY_CLASSES_ROOT, whatever its length,
// with environment references expanded when it is stored as an expandable
// string. FALSE, and value unchanged, when the key cannot be opened or its
// default value is missing, empty or not a string.
BOOL ReadClassesRootValue(const std::string& subkey, std::string& value);
