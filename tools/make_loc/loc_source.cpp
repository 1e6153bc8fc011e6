#include "make_loc/loc_source.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace valorne::loc {

namespace {

class LineContext {
 public:
  LineContext(const std::string& name, int line) : name_(name), line_(line) {}
  [[noreturn]] void Fail(const std::string& what) const {
    throw LocError(name_ + ":" + std::to_string(line_) + ": " + what);
  }

 private:
  const std::string& name_;
  int line_;
};

// Decodes one UTF-8 character starting at text[i], advancing i. Refuses
// malformed sequences, surrogates and code points beyond 16 bits.
std::uint16_t DecodeCharacter(std::string_view text, std::size_t& i, std::size_t column0,
                              const LineContext& where) {
  const std::size_t start = i;
  auto column = [&] { return std::to_string(column0 + start + 1); };
  auto lead = static_cast<unsigned char>(text[i]);
  std::uint32_t cp = 0;
  std::size_t extra = 0;
  std::uint32_t lowest = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    cp = lead & 0x1F;
    extra = 1;
    lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    cp = lead & 0x0F;
    extra = 2;
    lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    where.Fail("character beyond U+FFFF at column " + column() + ": a glyph code holds 16 bits");
  } else {
    where.Fail("invalid UTF-8 byte " + std::to_string(lead) + " at column " + column());
  }
  for (std::size_t k = 1; k <= extra; ++k) {
    if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
      where.Fail("invalid UTF-8 sequence at column " + column());
    cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  }
  if (cp < lowest) where.Fail("overlong UTF-8 sequence at column " + column());
  if (cp >= 0xD800 && cp <= 0xDFFF)
    where.Fail("UTF-16 surrogate in UTF-8 text at column " + column());
  i += extra + 1;
  return static_cast<std::uint16_t>(cp);
}

Codes EncodeText(std::string_view text, std::size_t column0, const LineContext& where) {
  Codes codes;
  for (std::size_t i = 0; i < text.size();) {
    char c = text[i];
    if (c == '\\') {
      char next = i + 1 < text.size() ? text[i + 1] : '\0';
      if (next == 'n') {
        codes.push_back(10);
      } else if (next == '\\') {
        codes.push_back('\\');
      } else {
        where.Fail("unknown escape at column " + std::to_string(column0 + i + 1) +
                   " (write \\n for a line break, \\\\ for a backslash)");
      }
      i += 2;
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      where.Fail("control character " + std::to_string(static_cast<int>(c)) + " at column " +
                 std::to_string(column0 + i + 1));
    } else {
      codes.push_back(DecodeCharacter(text, i, column0, where));
    }
  }
  if (codes.size() > static_cast<std::size_t>(kMaxCodesPerText)) {
    where.Fail("text of " + std::to_string(codes.size()) + " glyph codes, longer than the " +
               std::to_string(kMaxCodesPerText) + " a text may hold");
  }
  return codes;
}

// Parses the id before the tab: plain decimal digits.
int ParseId(std::string_view digits, int max_ids, const LineContext& where) {
  if (digits.empty()) where.Fail("missing id before the tab");
  long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') where.Fail("id \"" + std::string(digits) + "\" is not a whole number");
    value = value * 10 + (c - '0');
    if (value > kMaxIds) break;
  }
  if (value >= max_ids) {
    where.Fail("id " + std::string(digits) + " outside 0.." + std::to_string(max_ids - 1));
  }
  return static_cast<int>(value);
}

}  // namespace

LocTexts ParseLocSource(std::string_view source, const std::string& name, int max_ids) {
  if (max_ids < 1 || max_ids > kMaxIds) {
    throw LocError(name + ": the table size must lie in 1.." + std::to_string(kMaxIds));
  }
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (source.substr(0, kBom.size()) == kBom) source.remove_prefix(kBom.size());

  LocTexts result;
  std::vector<int> defined_on(static_cast<std::size_t>(max_ids), 0);
  int line_no = 0;
  while (!source.empty()) {
    std::size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (line.front() == '#') continue;

    LineContext where(name, line_no);
    std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) where.Fail("expected \"ID<TAB>text\"");
    int id = ParseId(line.substr(0, tab), max_ids, where);
    auto& first = defined_on[static_cast<std::size_t>(id)];
    if (first != 0) {
      where.Fail("id " + std::to_string(id) + " already given on line " + std::to_string(first));
    }
    first = line_no;
    Codes codes = EncodeText(line.substr(tab + 1), tab + 1, where);
    if (result.texts.size() <= static_cast<std::size_t>(id))
      result.texts.resize(static_cast<std::size_t>(id) + 1);
    result.texts[static_cast<std::size_t>(id)] = std::move(codes);
  }
  return result;
}

LocTexts ReadLocSource(const std::filesystem::path& file, int max_ids) {
  std::error_code ec;
  std::ifstream in(file, std::ios::binary);
  if (!in || std::filesystem::is_directory(file, ec))
    throw LocError(file.string() + ": cannot open the source file");
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw LocError(file.string() + ": read error");
  return ParseLocSource(text, file.string(), max_ids);
}

std::vector<unsigned char> EncodeLoc(const LocTexts& texts) {
  std::vector<unsigned char> out;
  auto put = [&out](std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
  };
  put(static_cast<std::uint16_t>(texts.texts.size()));
  for (const Codes& t : texts.texts) {
    put(static_cast<std::uint16_t>(t.size()));
    for (std::uint16_t c : t) put(c);
  }
  return out;
}

void WriteFileAtomically(const std::filesystem::path& file,
                         const std::vector<unsigned char>& bytes) {
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw LocError(file.string() + ": cannot create " + temp.string());
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temp, ec);
      throw LocError(file.string() + ": write error on " + temp.string());
    }
  }
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    std::string why = ec.message();
    std::filesystem::remove(temp, ec);
    throw LocError(file.string() + ": cannot move the new file into place: " + why);
  }
}

}  // namespace valorne::loc
