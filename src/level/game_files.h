// The game folder's files. The level names its files the way the campaign
// always has, from the game folder with backslashes ("\Save Game\",
// "\localizations\levels.loc", "\Fight_in.rx"); GamePath turns such a name
// into a path under the folder. The game's own fixed names are matched
// without regard to letter case, so that a file the campaign wrote as
// "Fight_in.rx" is found when a rule asks for "fight_in.rx"; save names, which
// the player chooses, are taken exactly as typed.
//
// Every file is read whole with its size checked before a byte is trusted,
// and written to a temporary file in the same folder that is then renamed
// into place: a write that fails leaves the old file as it was.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace valorne {

class Game;

// What became of reading or writing one file. `message` names the file and
// says what was wrong with it, ready to be shown to the player.
enum class FileStatus { Ok, Missing, TooShort, TooLong, Corrupt, WriteFailed };

struct FileResult {
  FileStatus status = FileStatus::Ok;
  std::string message;

  bool ok() const { return status == FileStatus::Ok; }
  static FileResult Success() { return {}; }
  static FileResult Failure(FileStatus status, std::string message) {
    return {status, std::move(message)};
  }
};

// The path of a game file: `folder` followed by `name`, a name in the game's
// form that begins with a backslash ("\Optim.rx", "\Save Game\"). Each part of
// the name is matched against the files that exist without regard to letter
// case; an exact match wins, and a part that matches nothing is used as
// written (a file about to be created). Forward slashes are taken as
// backslashes.
std::filesystem::path GamePath(const std::filesystem::path& folder, std::string_view name);
std::filesystem::path GamePath(const Game& game, std::string_view name);

// Reads a whole file, at most `max_bytes` of it; a longer file is reported as
// TooLong (with `bytes` holding its first max_bytes). A file that cannot be
// opened is Missing.
FileResult ReadFileBytes(const std::filesystem::path& file, std::size_t max_bytes,
                         std::string& bytes);

// Replaces `file` by `bytes`: writes a temporary file beside it and renames it
// over the old one. On failure the old file is untouched, no temporary file
// is left behind, and the result says why.
FileResult WriteFileReplacing(const std::filesystem::path& file, std::string_view bytes);

// Removes the temporary files a write left behind when the program was
// killed in the middle of it (".NAME.tmp-" and six hex digits) from `folder`
// and its save folder. Returns how many were removed.
int RemoveStaleTemporaries(const std::filesystem::path& folder);

// A disk that refuses writes, for tests: while set, every WriteFileReplacing
// whose file the predicate picks fails after writing part of its temporary
// file, as a full disk or a folder made read-only would make it fail. An
// empty function lifts the fault.
using WriteFault = std::function<bool(const std::filesystem::path& file)>;
void SetWriteFaultForTesting(WriteFault fault);

}  // namespace valorne
