#include "support/source_text.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace valorne {

namespace fs = std::filesystem;

std::string SourceWithoutComments(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream read;
  read << in.rdbuf();
  const std::string text = read.str();
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' || c == '\'') {
      const std::size_t start = i;
      for (++i; i < text.size() && text[i] != c && text[i] != '\n'; ++i) {
        if (text[i] == '\\') ++i;
      }
      out.append(text, start, i - start + 1);
    } else if (text.compare(i, 2, "//") == 0) {
      while (i < text.size() && text[i] != '\n') ++i;
      out += '\n';
    } else if (text.compare(i, 2, "/*") == 0) {
      const std::size_t end = text.find("*/", i + 2);
      const std::size_t stop = end == std::string::npos ? text.size() : end + 2;
      out.append(static_cast<std::size_t>(std::count(text.begin() + static_cast<long>(i),
                                                     text.begin() + static_cast<long>(stop), '\n')),
                 '\n');
      i = stop - 1;
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<fs::path> GameSourceFiles() {
  std::vector<fs::path> files;
  for (const char* root : {"src", "apps"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(VALORNE_SOURCE_DIR) / root)) {
      const std::string ext = entry.path().extension().string();
      if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace valorne
