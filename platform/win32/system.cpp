#include "platform/win32/system.h"

#include <windows.h>

namespace zembrix {

Text ProgramDirectory() {
  // Long paths need a larger buffer than MAX_PATH; grow until the name fits.
  Text path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return Text();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of('\\'));
}

Screen ReadScreen() {
  Screen screen;
  screen.width = GetSystemMetrics(SM_CXSCREEN);
  screen.height = GetSystemMetrics(SM_CYSCREEN);
  RECT workArea = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  screen.workAreaBottom = workArea.bottom;
  return screen;
}

bool PathExists(const Text& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool WriteWholeFile(const Text& path, const Text& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

void DeleteFileIfPresent(const Text& path) { DeleteFileA(path.c_str()); }

}  // namespace zembrix
