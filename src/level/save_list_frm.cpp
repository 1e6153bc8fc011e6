#include "level/save_list_frm.h"

#include <algorithm>

#include "level/saves.h"
#include "screens/toolkit/ui.h"

namespace valorne {

SaveListView::SaveListView(Form& form, std::string_view list, std::string_view up,
                           std::string_view down)
    : list_(form.Get<ListBox>(list)), up_(form[up]), down_(form[down]) {
  form.On(up, FormEvent::Click, [this] { Scroll(-RowsShown()); });
  form.On(down, FormEvent::Click, [this] { Scroll(RowsShown()); });
}

int SaveListView::RowsShown() const {
  return std::max(1, (list_.height() - 2) / list_.RowHeight());
}

void SaveListView::Refill(const Game& game) {
  saves_ = ListSaves(game);
  if (std::find(saves_.begin(), saves_.end(), chosen_) == saves_.end()) chosen_.clear();
  Scroll(0);
}

std::string SaveListView::Choose() {
  const int row = list_.ListIndex();
  const int at = first_ + row;
  if (row < 0 || at >= static_cast<int>(saves_.size())) return {};
  chosen_ = saves_[static_cast<std::size_t>(at)];
  return chosen_;
}

void SaveListView::Unchoose() {
  chosen_.clear();
  Show();
}

void SaveListView::Scroll(int rows) {
  const int count = static_cast<int>(saves_.size());
  const int last_first = std::max(0, count - RowsShown());
  first_ = std::clamp(first_ + rows, 0, last_first);
  Show();
}

void SaveListView::Show() {
  list_.Clear();
  const int count = static_cast<int>(saves_.size());
  const int end = std::min(count, first_ + RowsShown());
  int chosen_row = -1;
  for (int i = first_; i < end; ++i) {
    const std::string& name = saves_[static_cast<std::size_t>(i)];
    if (name == chosen_) chosen_row = i - first_;
    list_.AddItem(name);
  }
  list_.SetListIndex(chosen_row);
  up_.SetEnabled(first_ > 0);
  down_.SetEnabled(end < count);
}

std::string AsSentence(std::string problem) {
  if (problem.empty()) return problem;
  if (problem.front() >= 'a' && problem.front() <= 'z') problem.front() -= 'a' - 'A';
  if (problem.back() != '.') problem += '.';
  return problem;
}

void CloseDialogAndMenu(Form& dialog) {
  dialog.Close();
  if (Form* menu = dialog.ui().FindOpen("MenuFrm")) menu->Close();
}

}  // namespace valorne
