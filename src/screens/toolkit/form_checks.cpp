#include "screens/toolkit/form_checks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "platform/data_files.h"
#include "screens/toolkit/form.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {

bool WellFormedName(std::string_view name) {
  if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

void CheckControl(const Form& form, const Control& c, const FormCheckOptions& options,
                  std::set<std::string>& pictures_reported, std::vector<std::string>& problems) {
  const std::string where = form.name() + "." + c.name();
  if (!WellFormedName(c.base_name())) problems.push_back(where + " is not a well-formed name");
  const Rect& r = c.rect();
  if (r.width < 0 || r.height < 0) problems.push_back(where + " has a negative size");
  const bool may_overhang = std::find(options.may_overhang.begin(), options.may_overhang.end(),
                                      c.name()) != options.may_overhang.end();
  const Rect container = c.parent() ? Rect{0, 0, c.parent()->width(), c.parent()->height()}
                                    : Rect{0, 0, form.rect().width, form.rect().height};
  if (!may_overhang && !container.Contains(r)) {
    problems.push_back(where + " lies outside " +
                       (c.parent() ? c.parent()->name() : std::string("the form")));
  }
  if (options.picture_exists) {
    for (const std::string* picture : {&c.picture(), &c.hover_picture()}) {
      if (picture->empty() || options.picture_exists(*picture)) continue;
      if (pictures_reported.insert(*picture).second) {
        problems.push_back(where + " shows the picture " + *picture + ", which is missing");
      }
    }
  }
  if (options.texts && c.caption().category != 0) {
    const TextRef& ref = c.caption();
    const TextTable* table = options.texts->Find(ref.category);
    if (!table || ref.id < 0 || ref.id >= table->ids() || table->Text(ref.id).empty()) {
      problems.push_back(where + " shows the text " + std::to_string(ref.category) + "/" +
                         std::to_string(ref.id) + ", which does not exist");
    }
  }
}

}  // namespace

std::vector<std::string> CheckForm(const Form& form, const FormCheckOptions& options) {
  std::vector<std::string> problems;
  if (!WellFormedName(form.name())) problems.push_back(form.name() + " is not a well-formed name");
  std::set<std::string> names;
  std::set<std::string> pictures_reported;
  for (const auto& c : form.controls()) {
    if (!names.insert(c->name()).second) {
      problems.push_back(form.name() + " has two controls named " + c->name());
    }
    CheckControl(form, *c, options, pictures_reported, problems);
  }
  if (options.picture_exists && !form.background().empty() &&
      !options.picture_exists(form.background())) {
    problems.push_back(form.name() + " has the background " + form.background() +
                       ", which is missing");
  }
  return problems;
}

std::vector<std::string> CheckRegisteredScreens(const ScreenRegistry& registry, Game& game, Ui& ui,
                                                const FormCheckOptions& options) {
  std::vector<std::string> problems;
  for (const std::string& name : registry.Names()) {
    try {
      std::unique_ptr<Form> form = (*registry.Find(name))(game, ui);
      if (!form) {
        problems.push_back(name + " cannot be made");
        continue;
      }
      if (form->name() != name) problems.push_back(name + " calls itself " + form->name());
      for (std::string& p : CheckForm(*form, options)) problems.push_back(std::move(p));
    } catch (const std::exception& e) {
      problems.push_back(name + " cannot be made: " + e.what());
    }
  }
  return problems;
}

std::function<bool(std::string_view)> PicturesIn(const std::string& app_path) {
  return [app_path](std::string_view picture) {
    for (int depth : {16, 8}) {
      if (!std::filesystem::exists(PictureFile(PictureFolder(app_path, depth), picture))) {
        return false;
      }
    }
    return true;
  };
}

}  // namespace valorne
