#include "turn/movie_frm.h"

#include "screens/toolkit/page_look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

using namespace page_look;

constexpr int kWidth = 480;
constexpr int kHeight = 410;
constexpr int kFilmSize = 200;

const ControlSpec kControls[] = {
    {.name = "FilmFrameLbl",
     .kind = ControlKind::Label,
     .rect = {(kWidth - kFilmSize) / 2 - 5, 25, kFilmSize + 10, kFilmSize + 10},
     .back = look::kWoodDark},
    {.name = "MovieImg",
     .kind = ControlKind::Image,
     .rect = {(kWidth - kFilmSize) / 2, 30, kFilmSize, kFilmSize}},
    {.name = "CaptionLbl",
     .kind = ControlKind::RunaLabel,
     .rect = {36, 250, kWidth - 72, 70},
     .fore = look::kInk,
     .font_size = 18,
     .align = TextAlign::Centre},
    Seal("OkAniBtn", kOkSeal, (kWidth - kSealSize) / 2, kHeight - kSealSize - 20),
};

constexpr Movie kMissionMovies[] = {
    {"assassin_ok.rx", {1, 83}},
    {"assassin_failed.rx", {1, 84}},
    {"scout_ok.rx", {1, 85}},
    {"scout_failed.rx", {1, 86}},
    {"death.rx", {1, 83}},
};
constexpr Movie kRivalAssassinMovies[] = {
    {"assassin_ok.rx", {1, 103}},
    {"assassin_failed.rx", {1, 105}},
    {"death.rx", {1, 93}},
};
constexpr Movie kPlague{"plague.rx", {1, 98}};

template <std::size_t N>
std::optional<Movie> Pick(const Movie (&movies)[N], Byte value) {
  if (value < 1 || value > N) return std::nullopt;
  return movies[value - 1];
}

}  // namespace

std::optional<Movie> QueuedMovie(int entry, Byte value) {
  if (value == 0) return std::nullopt;
  switch (entry) {
    case kMissionMovie:
      return Pick(kMissionMovies, value);
    case kRivalAssassinMovie:
      return Pick(kRivalAssassinMovies, value);
    case kPlagueMovie:
      return kPlague;
    default:
      return std::nullopt;
  }
}

MovieFrm::MovieFrm(Game&, Ui& ui)
    : Form(ui, {.name = "MovieFrm", .size = {kWidth, kHeight}, .controls = kControls}) {
  OnForm(FormEvent::Load, [this] { Form_Load(); });
  AddTimer("MovieTimer", kAnimFrameMs, false, [this] { NextFrame(); });
  On("OkAniBtn", FormEvent::Click, &MovieFrm::OkAniBtn_Click);
}

void MovieFrm::Form_Load() {
  auto& queue = game().live.PendingMovies;
  for (std::size_t entry = 0; entry < queue.size(); ++entry) {
    if (std::optional<Movie> movie = QueuedMovie(static_cast<int>(entry), queue[entry])) {
      movies_.push_back(*movie);
    }
    queue[entry] = 0;  // played: the next end of turn does not show it again
  }
  if (movies_.empty()) {
    Close();
    return;
  }
  ShowMovie();
  GetTimer("MovieTimer").SetEnabled(true);
}

void MovieFrm::ShowMovie() {
  const Movie& movie = movies_[current_];
  frame_ = 0;
  Control& film = (*this)["MovieImg"];
  film.SetPicture(AnimPicture(movie.anim));
  film.SetStripFrame(0);
  ShowText((*this)["CaptionLbl"], movie.caption.id, movie.caption.category, game().texts);
}

void MovieFrm::NextFrame() {
  (*this)["MovieImg"].SetStripFrame(++frame_);
}

void MovieFrm::OkAniBtn_Click() {
  if (current_ + 1 < movies_.size()) {
    ++current_;
    ShowMovie();
    return;
  }
  Close();
}

}  // namespace valorne
