#include "screens/toolkit/ui.h"

#include <algorithm>

#include "platform/data_files.h"
#include "screens/toolkit/standard_forms.h"

namespace valorne {

Ui::Ui(Game& game, const ScreenRegistry& registry, UiDevices devices)
    : game_(game), registry_(registry), devices_(devices) {
  timer_frm_ = std::make_unique<TimerFrm>(*this);
}

Ui::~Ui() {
  if (&game_.ui() == this) game_.set_ui(nullptr);
  // The timer screen goes first and alone: while it goes, no form releases
  // timers into it.
  timer_frm_.reset();
}

void Ui::ReleaseTimers(const Form& form) {
  if (timer_frm_ && timer_frm_.get() != &form) timer_frm_->Release(form);
}

void Ui::SetDisplaySize(Size size) {
  display_size_ = size;
  for (Form* f : stack_) Place(*f);
  Invalidate();
}

bool Ui::ending() const {
  return game_.live.ProgramEnding;
}

std::unique_ptr<Form> Ui::Create(std::string_view name) {
  if (const ScreenFactory* factory = registry_.Find(name)) {
    std::unique_ptr<Form> form = (*factory)(game_, *this);
    if (!form) throw ToolkitError("the screen " + std::string(name) + " was not made");
    if (form->name() != name) {
      throw ToolkitError("the screen registered as " + std::string(name) + " calls itself " +
                         form->name());
    }
    return form;
  }
  if (name == kQuestionBoxName) return std::make_unique<QuestionBoxForm>(*this);
  if (name == kMessageBoxName) return std::make_unique<MessageBoxForm>(*this);
  return std::make_unique<PlaceholderForm>(*this, name);
}

void Ui::Open(std::string_view name) {
  std::unique_ptr<Form> form = Create(name);
  ShowModal(*form);
}

void Ui::Place(Form& form) {
  if (!form.centred()) return;
  const Rect& r = form.rect();
  form.SetPosition({(display_size_.width - r.width) / 2, (display_size_.height - r.height) / 2});
}

void Ui::Forget(Form& form) {
  auto it = std::find(stack_.begin(), stack_.end(), &form);
  if (it != stack_.end()) stack_.erase(it);
  ReleaseTimers(form);
  if (hovered_ && &hovered_->form() == &form) hovered_ = nullptr;
  if (pressed_ && &pressed_->form() == &form) pressed_ = nullptr;
  pressing_ = false;
  Invalidate();
}

void Ui::ShowModal(Form& form) {
  if (std::find(stack_.begin(), stack_.end(), &form) != stack_.end()) {
    throw ToolkitError(form.name() + " is already open");
  }
  if (form.closed()) return;
  if (game_.LargeScreenMode && form.enlarges() && form.scale() == 1.0) {
    form.Enlarge(kLargeScreenFactor);
  }
  Place(form);
  if (Form* below = top()) below->FireForm(FormEvent::Deactivate, {});
  // A rule that opens a screen in the middle of its work (a question of the
  // end of turn) may have changed what the screens beneath show: they show
  // the state as it is now while they wait.
  for (Form* beneath : std::vector<Form*>(stack_)) beneath->FireForm(FormEvent::Covered, {});
  stack_.push_back(&form);
  // However the loop ends (a closed screen, the level ending, the program
  // leaving from deep inside), the screen leaves the stack.
  struct Leave {
    Ui& ui;
    Form& form;
    ~Leave() { ui.Forget(form); }
  } leave{*this, form};

  for (const auto& c : form.controls()) {
    if (c->caption().category != 0)
      ShowText(*c, c->caption().id, c->caption().category, game_.texts);
  }
  form.FireForm(FormEvent::Load, {});
  if (!form.closed()) form.FireForm(FormEvent::Activate, {});
  Invalidate();
  while (!form.closed() && !ending()) {
    if (!source_) throw ToolkitError(form.name() + " is shown with nothing to give it events");
    source_->Pump();
  }
  form.FireForm(FormEvent::Unload, {});
  Forget(form);
  if (Form* below = top(); below && !ending()) below->FireForm(FormEvent::Activate, {});
}

Form* Ui::FindOpen(std::string_view name) const {
  for (Form* f : stack_) {
    if (f->name() == name) return f;
  }
  return nullptr;
}

bool Ui::AskQuestion(int kind, int text_id) {
  const Question outer = question_;
  const bool outer_answer = answer_;
  question_ = {kind, text_id};
  game_.live.MessageKind = static_cast<Byte>(kind);
  answer_ = false;
  Open(kQuestionBoxName);
  const bool answer = answer_;
  question_ = outer;
  answer_ = outer_answer;
  return answer;
}

void Ui::ShowMessage(int category, int id) {
  const TextRef outer = message_;
  message_ = {static_cast<std::uint8_t>(category), static_cast<std::int16_t>(id)};
  Open(kMessageBoxName);
  message_ = outer;
}

void Ui::PlaySound(std::string_view channel, std::string_view file) {
  if (!game_.SoundOn) return;
  devices_.sound.SetFile(channel, SoundFile(game_.AppPath, file));
  devices_.sound.Play(channel);
}

void Ui::PlayChannel(std::string_view channel) {
  if (game_.SoundOn) devices_.sound.Play(channel);
}

void Ui::GiveStartSounds() {
  if (!game_.SoundOn) return;
  const auto& app = game_.AppPath;
  devices_.sound.SetFile("MusicChanel01", SoundFile(app, "\\sounds\\music01.wav"));
  // The music plays on for as long as the level runs.
  devices_.sound.SetLooping("MusicChanel01", true);
  devices_.sound.SetFile("FaunaChanel01", SoundFile(app, "\\sounds\\fauna01.wav"));
  devices_.sound.SetFile("ClickChanel01", SoundFile(app, "\\sounds\\click01.wav"));
  devices_.sound.SetFile("ClickChanel02", SoundFile(app, "\\sounds\\click02.wav"));
}

Timer* Ui::NextTimer() const {
  Timer* next = nullptr;
  auto consider = [&next](const Form& form) {
    for (const auto& t : form.timers()) {
      if (t->Armed() && (!next || FiresBefore(*t, *next))) next = t.get();
    }
  };
  consider(*timer_frm_);
  for (const Form* f : stack_) consider(*f);
  return next;
}

void Ui::FireDueTimers() {
  const std::int64_t now = devices_.clock.NowMs();
  // Each firing counts the timer's next tick from now, so every timer fires
  // at most once here.
  while (Timer* t = NextTimer()) {
    if (t->due() > now || ending()) break;
    t->Fire();
  }
}

std::filesystem::path Ui::PictureFolderPath() const {
  return PictureFolder(game_.AppPath, game_.display.GraphicsDepth);
}

void Ui::Draw(Canvas& canvas) {
  canvas.SetPictureFolder(PictureFolderPath());
  for (const Form* f : stack_) f->Draw(canvas);
  dirty_.Clear();
}

void Ui::DrawChanged(Canvas& canvas) {
  if (dirty_.whole()) {
    canvas.SetClip(std::nullopt);
    canvas.Fill({0, 0, canvas.size().width, canvas.size().height}, kBlack);
    Draw(canvas);
    return;
  }
  canvas.SetPictureFolder(PictureFolderPath());
  for (const Rect& area : dirty_.areas()) {
    // What lay there goes, as the whole frame's black does before a full
    // drawing; then every screen draws what it has in the area.
    canvas.SetClip(area);
    canvas.Fill(area, kBlack);
    for (const Form* f : stack_) f->Draw(canvas, area);
  }
  canvas.SetClip(std::nullopt);
  dirty_.Clear();
}

}  // namespace valorne
