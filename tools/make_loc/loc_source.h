// The readable source of one localized text file and its compiled ".loc" form.
//
// Source: UTF-8, one text per line as "ID<TAB>text". Lines starting with '#'
// are comments, blank lines are ignored. In a text, "\n" is a line break
// (glyph code 10) and "\\" a backslash. The glyph code of a character is its
// Unicode code point, so only characters up to U+FFFF can be written.
//
// Compiled form: little-endian 16-bit numbers: the count N (highest id + 1),
// then for every id 0..N-1 its length and its glyph codes. Ids the source
// leaves out are written with length 0.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace valorne::loc {

inline constexpr int kMaxCodesPerText = 2049;
inline constexpr int kMaxIds = 32767;  // the count is a signed 16-bit number

using Codes = std::vector<std::uint16_t>;

// A source or output problem; the message names the file (and line) at fault.
struct LocError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The texts of one file, indexed by id; absent ids hold no codes.
struct LocTexts {
  std::vector<Codes> texts;
};

// Parses a source held in memory. `name` is used in messages ("name:line: ...").
// Ids must lie in 0..max_ids-1; duplicates, malformed lines, code points above
// U+FFFF and texts longer than kMaxCodesPerText codes are refused.
LocTexts ParseLocSource(std::string_view source, const std::string& name, int max_ids);

// Reads and parses a source file.
LocTexts ReadLocSource(const std::filesystem::path& file, int max_ids);

// The compiled bytes of a set of texts.
std::vector<unsigned char> EncodeLoc(const LocTexts& texts);

// Writes the bytes to a temporary file beside `file` and renames it into
// place, so a failed run never leaves a half-written file behind.
void WriteFileAtomically(const std::filesystem::path& file,
                         const std::vector<unsigned char>& bytes);

}  // namespace valorne::loc
