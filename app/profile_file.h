// The settings file as the program sees it: an INI file read and written one key at a time.
#pragma once

#include "app/text.h"

namespace zembrix {

class ProfileFile {
 public:
  virtual ~ProfileFile() = default;
  virtual bool Exists() const = 0;
  // The key's value, or fallback when the key or its section is missing.
  virtual Text Read(const char* section, const char* key, const Text& fallback) const = 0;
  // Failures are not reported; the next save tries again.
  virtual void Write(const char* section, const char* key, const Text& value) = 0;
};

}  // namespace zembrix
