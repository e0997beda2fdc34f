// An INI file in memory, with the one limit of the real reader that matters: a value comes back
// as at most 10239 bytes.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "app/profile_file.h"

namespace zembrix {

class FakeProfileFile : public ProfileFile {
 public:
  bool exists = false;
  std::map<std::pair<Text, Text>, Text> values;
  std::vector<std::pair<Text, Text>> writes;  // key and value, in order

  void Set(const Text& key, const Text& value) {
    exists = true;
    values[{"general", key}] = value;
  }

  bool Exists() const override { return exists; }

  Text Read(const char* section, const char* key, const Text& fallback) const override {
    auto found = values.find({section, key});
    return (found == values.end() ? fallback : found->second).substr(0, 10239);
  }

  void Write(const char* section, const char* key, const Text& value) override {
    exists = true;
    values[{section, key}] = value;
    writes.emplace_back(key, value);
  }
};

}  // namespace zembrix
