// The localized texts. Every text the player sees is a sequence of 16-bit
// glyph codes, addressed by a category 1..6 and an id. Five files fill
// categories 1 to 5 at start-up; category 6 stays empty in this level.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace valorne {

using GlyphCode = std::int16_t;

// A reference to one localized text, as the rules name messages ("4/17").
struct TextRef {
  std::uint8_t category = 0;
  std::int16_t id = 0;
  friend bool operator==(const TextRef&, const TextRef&) = default;
};

// The two operations a text control offers the show routine.
class GlyphSink {
 public:
  virtual ~GlyphSink() = default;
  virtual void ClearText() = 0;
  virtual void AppendGlyph(GlyphCode code) = 0;
};

inline constexpr int kMaxCodesPerText = 2049;

class TextTable {
 public:
  explicit TextTable(int ids = 0) : texts_(static_cast<std::size_t>(ids)) {}
  int ids() const { return static_cast<int>(texts_.size()); }
  const std::vector<GlyphCode>& Text(int id) const;
  void Set(int id, std::vector<GlyphCode> codes);
  void Clear();

 private:
  std::vector<std::vector<GlyphCode>> texts_;
};

// Thrown when a text file cannot be read or does not fit its table; the
// message names the file and the offending value.
struct TextFileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads one ".loc" file into a table. A file whose count exceeds the table's
// ids, or a text longer than the table allows, or a file that ends early, is
// refused with a TextFileError; the table is then left as it was.
void ReadTextFile(const std::filesystem::path& file, TextTable& table);

class TextTables {
 public:
  TextTables();
  TextTable& Category(int category);              // 1..6
  const TextTable* Find(int category) const;      // nullptr outside 1..6
  const std::vector<GlyphCode>& Text(TextRef ref) const;  // empty when unknown
  std::string Utf8(TextRef ref) const;            // the glyph codes as UTF-8

  // The five files, in the order the game reads them, with their categories.
  struct FileEntry {
    const char* path;  // under the game folder
    int category;
  };
  static const std::array<FileEntry, 5> kFiles;

  // Reads all five files from the game folder; throws TextFileError.
  void ReadAll(const std::filesystem::path& app_path);

 private:
  std::array<TextTable, 6> tables_;
};

// Puts text (category, id) on a control: clears it, then appends the codes in
// order. A category outside 1..6 or an unknown id leaves the control empty.
void ShowText(GlyphSink& control, int id, int category, const TextTables& texts);

// Glyph codes are Unicode code points; these convert for drawing and tests.
std::string GlyphsToUtf8(const std::vector<GlyphCode>& codes);
std::vector<GlyphCode> Utf8ToGlyphs(const std::string& text);

}  // namespace valorne
