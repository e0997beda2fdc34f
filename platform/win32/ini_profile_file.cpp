#include "platform/win32/ini_profile_file.h"

#include <windows.h>

#include <vector>

#include "platform/win32/system.h"

namespace zembrix {

bool IniProfileFile::Exists() const { return PathExists(path_); }

Text IniProfileFile::Read(const char* section, const char* key, const Text& fallback) const {
  // A value longer than the buffer comes back cut to 10239 bytes.
  std::vector<char> value(10240, '\0');
  DWORD length = GetPrivateProfileStringA(section, key, fallback.c_str(), value.data(),
                                          DWORD(value.size()), path_.c_str());
  return Text(value.data(), length);
}

void IniProfileFile::Write(const char* section, const char* key, const Text& value) {
  WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str());
}

}  // namespace zembrix
