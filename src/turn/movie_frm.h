// The movie screen `MovieFrm`: the short films the end of turn has queued in
// `PendingMovies`, shown one after the other, each an animation with its
// caption; the tick goes on to the next and closes the screen after the
// last. Opening it empties the queue.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "screens/toolkit/form.h"
#include "state/values.h"
#include "text/text_tables.h"

namespace valorne {

// The entries of `PendingMovies` and what their values mean.
// Entry 0, the county's own missions of the guard: 1 our assassins struck,
// 2 they failed, 3 our scouts found their place, 4 they came back empty,
// 5 our assassins murdered a rival lord.
inline constexpr int kMissionMovie = 0;
// Entry 1, the rival counties' assassins: 1 they struck our camp, 2 the
// guard stopped them, 3 they murdered the lord.
inline constexpr int kRivalAssassinMovie = 1;
// Entry 2, the plague: any value.
inline constexpr int kPlagueMovie = 2;

struct Movie {
  std::string_view anim;  // the strip in the anim folder
  TextRef caption;
};

// The movie of a queue entry; none for an empty entry or a value the game
// does not know.
std::optional<Movie> QueuedMovie(int entry, Byte value);

class MovieFrm : public Form {
 public:
  MovieFrm(Game& game, Ui& ui);

  const std::vector<Movie>& movies() const { return movies_; }
  std::size_t current() const { return current_; }

 private:
  void Form_Load();
  void ShowMovie();
  void NextFrame();
  void OkAniBtn_Click();

  std::vector<Movie> movies_;
  std::size_t current_ = 0;
  int frame_ = 0;
};

}  // namespace valorne
