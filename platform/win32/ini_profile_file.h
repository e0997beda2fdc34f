// The settings file through the system's INI functions, in the ANSI code page.
#pragma once

#include "app/profile_file.h"

namespace zembrix {

class IniProfileFile : public ProfileFile {
 public:
  explicit IniProfileFile(Text path) : path_(std::move(path)) {}
  bool Exists() const override;
  Text Read(const char* section, const char* key, const Text& fallback) const override;
  void Write(const char* section, const char* key, const Text& value) override;

 private:
  Text path_;
};

}  // namespace zembrix
