// A scratch folder for one test, removed when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace valorne::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> ReadBytes(const std::filesystem::path& file);
void WriteText(const std::filesystem::path& file, const std::string& text);
std::string ReadText(const std::filesystem::path& file);

}  // namespace valorne::testing
