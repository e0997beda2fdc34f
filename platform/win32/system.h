// Thin wrappers over the kernel and user calls the program's rules need.
#pragma once

#include "app/screen.h"
#include "app/text.h"

namespace zembrix {

// The directory of the running executable, without a trailing backslash.
Text ProgramDirectory();

Screen ReadScreen();

// True when something exists at path (a file or a directory).
bool PathExists(const Text& path);

// Creates or truncates the file and writes all bytes; false on any failure.
bool WriteWholeFile(const Text& path, const Text& bytes);

// A missing file is not an error.
void DeleteFileIfPresent(const Text& path);

}  // namespace zembrix
