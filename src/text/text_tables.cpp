#include "text/text_tables.h"

#include <fstream>

namespace valorne {

namespace {
const std::vector<GlyphCode> kEmpty;
constexpr std::uint32_t kReplacement = 0xFFFD;
constexpr std::array<int, 6> kIdsPerCategory = {134, 68, 100, 163, 189, 66};

// Reads little-endian 16-bit numbers, remembering whether the file ran short.
class CodeReader {
 public:
  explicit CodeReader(std::ifstream& in) : in_(in) {}
  bool Next(std::int16_t& value) {
    unsigned char b[2];
    if (!in_.read(reinterpret_cast<char*>(b), 2)) return false;
    value = static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
    return true;
  }

 private:
  std::ifstream& in_;
};
}  // namespace

const std::array<TextTables::FileEntry, 5> TextTables::kFiles = {{
    {"localizations/levels.loc", 5},
    {"localizations/campaign1.loc", 4},
    {"localizations/captions.loc", 3},
    {"localizations/missions.loc", 2},
    {"localizations/campaign.loc", 1},
}};

const std::vector<GlyphCode>& TextTable::Text(int id) const {
  if (id < 0 || id >= ids()) return kEmpty;
  return texts_[static_cast<std::size_t>(id)];
}

void TextTable::Set(int id, std::vector<GlyphCode> codes) {
  if (id < 0 || id >= ids()) return;
  texts_[static_cast<std::size_t>(id)] = std::move(codes);
}

void TextTable::Clear() {
  for (auto& t : texts_) t.clear();
}

void ReadTextFile(const std::filesystem::path& file, TextTable& table) {
  std::error_code ec;
  std::ifstream in(file, std::ios::binary);
  if (!in || std::filesystem::is_directory(file, ec))
    throw TextFileError("cannot open the text file " + file.string());
  CodeReader reader(in);
  std::int16_t count = 0;
  if (!reader.Next(count)) throw TextFileError("the text file " + file.string() + " is empty");
  if (count < 0) {
    throw TextFileError("the text file " + file.string() + " gives a negative count of texts (" +
                        std::to_string(count) + ")");
  }
  if (count > table.ids()) {
    throw TextFileError("the text file " + file.string() + " holds " + std::to_string(count) +
                        " texts, more than the " + std::to_string(table.ids()) +
                        " its table can take");
  }
  TextTable loaded(table.ids());
  for (int i = 0; i < count; ++i) {
    std::int16_t length = 0;
    if (!reader.Next(length)) {
      throw TextFileError("the text file " + file.string() + " ends before text " +
                          std::to_string(i) + " of " + std::to_string(count));
    }
    if (length < 0 || length > kMaxCodesPerText) {
      throw TextFileError("text " + std::to_string(i) + " of " + file.string() + " has length " +
                          std::to_string(length) + ", beyond the limit of " +
                          std::to_string(kMaxCodesPerText));
    }
    std::vector<GlyphCode> codes(static_cast<std::size_t>(length));
    for (auto& c : codes) {
      if (!reader.Next(c)) {
        throw TextFileError("the text file " + file.string() + " ends inside text " +
                            std::to_string(i));
      }
    }
    loaded.Set(i, std::move(codes));
  }
  table = std::move(loaded);
}

TextTables::TextTables()
    : tables_{TextTable(kIdsPerCategory[0]), TextTable(kIdsPerCategory[1]),
              TextTable(kIdsPerCategory[2]), TextTable(kIdsPerCategory[3]),
              TextTable(kIdsPerCategory[4]), TextTable(kIdsPerCategory[5])} {}

TextTable& TextTables::Category(int category) {
  return tables_.at(static_cast<std::size_t>(category - 1));
}

const TextTable* TextTables::Find(int category) const {
  if (category < 1 || category > 6) return nullptr;
  return &tables_[static_cast<std::size_t>(category - 1)];
}

const std::vector<GlyphCode>& TextTables::Text(TextRef ref) const {
  const TextTable* t = Find(ref.category);
  return t ? t->Text(ref.id) : kEmpty;
}

std::string TextTables::Utf8(TextRef ref) const {
  return GlyphsToUtf8(Text(ref));
}

void TextTables::ReadAll(const std::filesystem::path& app_path) {
  for (const auto& f : kFiles) ReadTextFile(app_path / f.path, Category(f.category));
}

void ShowText(GlyphSink& control, int id, int category, const TextTables& texts) {
  control.ClearText();
  const TextTable* table = texts.Find(category);
  if (!table) return;
  for (GlyphCode c : table->Text(id)) control.AppendGlyph(c);
}

std::string GlyphsToUtf8(const std::vector<GlyphCode>& codes) {
  std::string out;
  for (GlyphCode g : codes) {
    auto cp = static_cast<std::uint32_t>(static_cast<std::uint16_t>(g));
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = kReplacement;  // a lone surrogate is no character
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::vector<GlyphCode> Utf8ToGlyphs(const std::string& text) {
  // Malformed sequences become the replacement character; a byte that cannot
  // continue a sequence starts the next character instead of being swallowed.
  auto byte_at = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  std::vector<GlyphCode> out;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = byte_at(i++);
    std::uint32_t cp = c;
    std::size_t extra = 0;
    std::uint32_t lowest = 0;
    if (c >= 0xF0 && c <= 0xF4) {
      cp = c & 0x07;
      extra = 3;
      lowest = 0x10000;
    } else if (c >= 0xE0 && c <= 0xEF) {
      cp = c & 0x0F;
      extra = 2;
      lowest = 0x800;
    } else if (c >= 0xC2 && c <= 0xDF) {
      cp = c & 0x1F;
      extra = 1;
      lowest = 0x80;
    } else if (c >= 0x80) {
      out.push_back(static_cast<GlyphCode>(kReplacement));
      continue;
    }
    std::size_t k = 0;
    for (; k < extra && i < text.size() && (byte_at(i) & 0xC0) == 0x80; ++k, ++i)
      cp = (cp << 6) | (byte_at(i) & 0x3F);
    // Short sequences, overlong forms, surrogates and characters beyond 16
    // bits cannot be drawn as one glyph code.
    if (k < extra || cp < lowest || cp > 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      cp = kReplacement;
    out.push_back(static_cast<GlyphCode>(static_cast<std::uint16_t>(cp)));
  }
  return out;
}

}  // namespace valorne
