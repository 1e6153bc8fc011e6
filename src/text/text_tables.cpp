#include "text/text_tables.h"

#include <fstream>

namespace valorne {

namespace {
const std::vector<GlyphCode> kEmpty;
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
  std::ifstream in(file, std::ios::binary);
  if (!in) throw TextFileError("cannot open the text file " + file.string());
  CodeReader reader(in);
  std::int16_t count = 0;
  if (!reader.Next(count)) throw TextFileError("the text file " + file.string() + " is empty");
  if (count < 0 || count > table.ids()) {
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

std::string TextTables::Utf8(TextRef ref) const { return GlyphsToUtf8(Text(ref)); }

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
  std::vector<GlyphCode> out;
  for (std::size_t i = 0; i < text.size();) {
    auto c = static_cast<unsigned char>(text[i]);
    std::uint32_t cp = c;
    std::size_t extra = 0;
    if (c >= 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else if (c >= 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if (c >= 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    }
    ++i;
    for (std::size_t k = 0; k < extra && i < text.size(); ++k, ++i)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    if (cp > 0xFFFF) cp = 0xFFFD;  // outside what a 16-bit glyph code can hold
    out.push_back(static_cast<GlyphCode>(static_cast<std::uint16_t>(cp)));
  }
  return out;
}

}  // namespace valorne
