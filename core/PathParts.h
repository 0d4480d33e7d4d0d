// Splitting and joining Windows paths held as Shift-JIS bytes, where the
// second byte of a double-byte character can be 0x5C, the backslash.
#pragma once
#include <string>

// The drive and directory of a path, ending with its last separator ("\" or
// "/"); empty when the path has no separator or drive.
std::string DirectoryPart(const std::string& path);

// The directory followed by the file name, with a backslash between them
// when the directory does not already end with a separator; the file name
// alone when the directory is empty.
std::string JoinPath(const std::string& directory, const std::string& fileName);
