// A check of a screen's control table that every screen gets for free:
// names unique and well formed, every control inside its container, every
// picture named there to be found, every caption a text that exists.
// Screen tests call CheckForm on each screen they make (or
// CheckRegisteredScreens on a whole registry) and expect no problems.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace valorne {

class Form;
class Game;
class ScreenRegistry;
class TextTables;
class Ui;

struct FormCheckOptions {
  // Whether a picture can be found; pictures are not checked without it.
  std::function<bool(std::string_view picture)> picture_exists;
  // The texts the captions must exist in; not checked without them.
  const TextTables* texts = nullptr;
  // Controls that may reach beyond their container (the map picture).
  std::vector<std::string> may_overhang;
};

// Every problem found, one line each ("ArmyFrm.OkAniBtn lies outside the
// form"); empty when the form is sound.
std::vector<std::string> CheckForm(const Form& form, const FormCheckOptions& options = {});

// Makes every registered screen (without showing it) and checks it; a
// screen that cannot be made is a problem too.
std::vector<std::string> CheckRegisteredScreens(const ScreenRegistry& registry, Game& game, Ui& ui,
                                                const FormCheckOptions& options = {});

// Whether a picture exists in the game folder's high and low picture
// folders.
std::function<bool(std::string_view)> PicturesIn(const std::string& app_path);

}  // namespace valorne
