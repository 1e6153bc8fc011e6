// make_loc: compiles one readable text source into the game's ".loc" file.
//
//   make_loc INPUT.txt OUTPUT.loc MAX_IDS
//
// MAX_IDS is the number of ids the game's table for this file holds.
#include <charconv>
#include <iostream>
#include <string_view>

#include "make_loc/loc_source.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make_loc INPUT.txt OUTPUT.loc MAX_IDS\n";
    return 2;
  }
  std::string_view max_arg = argv[3];
  int max_ids = 0;
  auto [end, ec] = std::from_chars(max_arg.data(), max_arg.data() + max_arg.size(), max_ids);
  if (ec != std::errc() || end != max_arg.data() + max_arg.size() || max_ids < 1 ||
      max_ids > valorne::loc::kMaxIds) {
    std::cerr << "make_loc: MAX_IDS must be a whole number from 1 to " << valorne::loc::kMaxIds
              << ", not \"" << max_arg << "\"\n";
    return 2;
  }
  try {
    valorne::loc::LocTexts texts = valorne::loc::ReadLocSource(argv[1], max_ids);
    valorne::loc::WriteFileAtomically(argv[2], valorne::loc::EncodeLoc(texts));
  } catch (const valorne::loc::LocError& e) {
    std::cerr << "make_loc: " << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "make_loc: " << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
