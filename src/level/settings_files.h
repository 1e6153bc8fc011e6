// The settings and exchange files of the game folder.
//
//   "\Optim.rx"      23-byte display and sound record, written by the menu program
//   "\Options.rx"    the difficulty as text (1 easy, 2 normal, 3 hard)
//   "\Advanced.rx"   26-byte record of the in-level options, read and written here
//   "\LGame.rx"      load request left by the menu program
//   "\levelinfo.rx"  highest level the campaign has reached
//   "\camp.rx"       next level of the campaign
//
// The records are little-endian with their members back to back. The text
// files hold one number: written as its digits and a CR LF line end (as the
// rest of the campaign writes them), read the way the campaign reads them:
// leading blanks and blank lines skipped, the number ended by a blank, a comma
// or a line end (CR LF or LF alike), its value taken into a Byte.
//
// Every reader leaves its output untouched unless the file was read whole and
// made sense, and says in its result what was wrong.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "level/game_files.h"
#include "state/settings.h"

namespace valorne {

inline constexpr std::string_view kOptimFile = "\\Optim.rx";
inline constexpr std::string_view kOptionsFile = "\\Options.rx";
inline constexpr std::string_view kAdvancedFile = "\\Advanced.rx";
inline constexpr std::string_view kLoadRequestFile = "\\LGame.rx";
inline constexpr std::string_view kLevelInfoFile = "\\levelinfo.rx";
inline constexpr std::string_view kCampFile = "\\camp.rx";

inline constexpr std::size_t kDisplaySettingsSize = 23;
inline constexpr std::size_t kAdvancedOptionsSize = 26;

// The records as bytes, and back. Decoding checks the values the level relies
// on (a resolution 0..3; volume steps 0..10 and volumes -10000..0) and
// describes the first one out of range in `problem`.
std::array<std::uint8_t, kDisplaySettingsSize> EncodeDisplaySettings(const DisplaySettings& s);
bool DecodeDisplaySettings(std::string_view bytes, DisplaySettings& s, std::string& problem);
std::array<std::uint8_t, kAdvancedOptionsSize> EncodeAdvancedOptions(const AdvancedOptions& o);
bool DecodeAdvancedOptions(std::string_view bytes, AdvancedOptions& o, std::string& problem);

// One number in the campaign's text form, read into a Byte: the first value
// of the text, rounded half to even when it has a fraction. False, with the
// reason in `problem`, when there is no number or it does not fit a Byte.
bool ParseNumberText(std::string_view text, Byte& value, std::string& problem);
// The text the campaign writes for a number: its digits and CR LF.
std::string NumberText(long value);

// "\Optim.rx" of the game folder. The level only reads it; the writer serves
// the default settings of a new game folder and the tests.
FileResult ReadDisplaySettings(const std::filesystem::path& folder, DisplaySettings& s);
FileResult WriteDisplaySettings(const std::filesystem::path& folder, const DisplaySettings& s);

// "\Advanced.rx" of the game folder.
FileResult ReadAdvancedOptions(const std::filesystem::path& folder, AdvancedOptions& o);
FileResult WriteAdvancedOptions(const std::filesystem::path& folder, const AdvancedOptions& o);

// "\Options.rx": the difficulty. Only 1, 2 and 3 are difficulties; any other
// number is reported as Corrupt.
FileResult ReadDifficulty(const std::filesystem::path& folder, Byte& difficulty);
FileResult WriteDifficulty(const std::filesystem::path& folder, int difficulty);

// A one-number file of the game folder ("\LGame.rx", "\levelinfo.rx",
// "\camp.rx", "\Options.rx"), named in the game's form.
FileResult ReadNumberFile(const std::filesystem::path& folder, std::string_view name, Byte& value);
FileResult WriteNumberFile(const std::filesystem::path& folder, std::string_view name, long value);

// The picture folder for a graphics depth: 16 the high-colour pictures, any
// other depth the low-colour ones.
std::string_view PictureFolder(const DisplaySettings& s);

}  // namespace valorne
