// make_save IN.s9_ OUT.s9_ [Field=Value ...]: copies a saved game with some
// of its fields set, e.g.
//
//   make_save Shots.s9_ Rich.s9_ Gold=20000 "BuildingBuilt(1)=true" FieldStates(3)=2
//
// Field names are those of `level9 --dump-save`: lists numbered as the game
// numbers them, members of a composite after a dot (ArmySoldiers(1).Archers,
// Rivals(2).Gold, OutlawArmies.OutlawMonks(0)). Anything wrong (a missing or
// damaged save, an unknown field, an element outside its list, a value the
// field cannot hold) is named on standard error with exit code 2, and OUT is
// left as it was.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "record_edit.h"
#include "state/record.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const std::string& message) {
  std::cerr << "make_save: " << message << '\n';
  return kBadInput;
}

// The record of a saved game; the reason when the file is not one.
std::string ReadSave(const std::string& path, valorne::Record& record) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot read \"" + path + "\"";
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  if (bytes.size() != record.size()) {
    return "\"" + path + "\" is " + std::to_string(bytes.size()) + " bytes long; a save is " +
           std::to_string(record.size());
  }
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(bytes[i]);
  return {};
}

std::string WriteSave(const std::string& path, const valorne::Record& record) {
  // Written beside the target and renamed, so that a failed write leaves the
  // old file whole.
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(record.data()),
              static_cast<std::streamsize>(record.size()));
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return "cannot write \"" + path + "\"";
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return "cannot write \"" + path + "\"";
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    return Fail(
        "usage: make_save IN.s9_ OUT.s9_ [Field=Value ...]\n"
        "  field names as in `level9 --dump-save`: Gold, BuildingBuilt(1), "
        "ArmySoldiers(2).Archers");
  }
  const std::string in_path = argv[1];
  const std::string out_path = argv[2];

  valorne::Record record{};
  if (std::string problem = ReadSave(in_path, record); !problem.empty()) return Fail(problem);
  valorne::GameState state;
  valorne::ReadRecordAsStored(record, state);

  for (int i = 3; i < argc; ++i) {
    const std::string assignment = argv[i];
    const std::size_t eq = assignment.find('=');
    if (eq == std::string::npos) {
      return Fail("\"" + assignment + "\" sets nothing: write Field=Value");
    }
    const std::string problem =
        valorne::SetRecordField(state, std::string_view(assignment).substr(0, eq),
                                std::string_view(assignment).substr(eq + 1));
    if (!problem.empty()) return Fail(problem);
  }

  valorne::PackGameState(state, record);
  if (std::string problem = WriteSave(out_path, record); !problem.empty()) return Fail(problem);
  return 0;
}
