// The data files live beside the executable.
#pragma once
#include <string>

const int kModulePathSize = 260;

// The drive and directory of the running executable, ending with a
// backslash; empty when the executable's name cannot be had.
void GetModuleDirectory(char (&directory)[kModulePathSize]);

// The executable's directory followed by the file name.
std::string MakeModulePath(const char* fileName);
