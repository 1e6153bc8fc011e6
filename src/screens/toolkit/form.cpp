#include "screens/toolkit/form.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "screens/toolkit/controls.h"
#include "screens/toolkit/look.h"
#include "screens/toolkit/ui.h"

namespace valorne {

namespace {
// Versions of still layers are never used twice in the program's life, so
// that a screen opened where a closed one was never finds its layer.
std::uint64_t NewStillVersion() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

std::unique_ptr<Control> MakeControl(Form& form, const ControlSpec& declared, Control* parent) {
  switch (declared.kind) {
    case ControlKind::ListBox:
    case ControlKind::RunaListBox:
      return std::make_unique<ListBox>(form, declared, parent);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBox>(form, declared, parent);
    case ControlKind::TextBox:
    case ControlKind::RunaTextBox:
      return std::make_unique<TextBox>(form, declared, parent);
    default:
      return std::make_unique<Control>(form, declared, parent);
  }
}

std::string_view EventName(FormEvent event) {
  static constexpr std::string_view kNames[kFormEventCount] = {
      "Click", "MouseDown", "MouseUp", "MouseMove", "MouseEnter", "MouseLeave", "KeyDown",
      "KeyUp", "Change",    "Load",    "Activate",  "Deactivate", "Unload",     "Covered"};
  return kNames[static_cast<std::size_t>(event)];
}
}  // namespace

std::string KindMismatch(const Control& control, std::string_view wanted) {
  return control.form().name() + "." + control.name() + " is a " +
         std::string(KindName(control.kind())) + ", not a " + std::string(wanted);
}

Form::Form(Ui& ui, const FormSpec& declared)
    : ui_(ui),
      name_(declared.name),
      rect_{0, 0, declared.size.width, declared.size.height},
      centred_(declared.centred),
      enlarges_(declared.enlarges),
      page_(declared.page),
      background_(declared.background),
      cancel_(declared.cancel),
      confirm_(declared.confirm),
      question_(declared.question) {
  if (name_.empty()) throw ToolkitError("a form needs a name");
  for (const ControlSpec& c : declared.controls) Create(c);
}

// A screen made but never shown (or shown and closed) leaves no handler of
// its own behind on the timer screen.
Form::~Form() {
  ui_.ReleaseTimers(*this);
}

Game& Form::game() const {
  return ui_.game();
}

Control& Form::Create(const ControlSpec& declared) {
  if (declared.name.empty()) throw ToolkitError(name_ + ": a control without a name");
  Control* parent = nullptr;
  if (!declared.parent.empty()) {
    parent = Find(declared.parent);
    if (!parent) {
      throw ToolkitError(name_ + "." + std::string(declared.name) + ": its container " +
                         std::string(declared.parent) + " is not declared before it");
    }
  }
  std::unique_ptr<Control> control = MakeControl(*this, declared, parent);
  if (by_name_.contains(control->name())) {
    throw ToolkitError(name_ + " declares the control " + control->name() + " twice");
  }
  // A plain name and an array of the same base would make bindings ambiguous.
  const std::string& base = control->base_name();
  for (const auto& other : controls_) {
    if (other->base_name() == base && (other->index() < 0) != (control->index() < 0)) {
      throw ToolkitError(name_ + " declares " + base + " both as a control and as an array");
    }
  }
  Control& c = *control;
  c.z_order_ = ++next_z_;
  by_name_.emplace(c.name(), &c);
  SiblingsOf(parent).push_back(&c);
  controls_.push_back(std::move(control));
  if (!declared.text.empty()) c.SetText(declared.text);
  if (scale_ != 1.0) c.Scale(scale_);
  return c;
}

std::vector<Control*>& Form::SiblingsOf(Control* parent) {
  return parent ? parent->children_ : top_level_;
}

Control& Form::Add(const ControlSpec& declared) {
  Control& c = Create(declared);
  Changed();
  return c;
}

Control* Form::Find(std::string_view name) const {
  auto it = by_name_.find(name);
  return it == by_name_.end() ? nullptr : it->second;
}

Control& Form::operator[](std::string_view name) const {
  Control* c = Find(name);
  if (!c) throw ToolkitError(name_ + " has no control named " + std::string(name));
  return *c;
}

Control& Form::At(std::string_view base_name, int index) const {
  return (*this)[std::string(base_name) + "(" + std::to_string(index) + ")"];
}

std::vector<Control*> Form::Array(std::string_view base_name) const {
  std::vector<Control*> elements;
  for (const auto& c : controls_) {
    if (c->index() >= 0 && c->base_name() == base_name) elements.push_back(c.get());
  }
  std::sort(elements.begin(), elements.end(),
            [](const Control* a, const Control* b) { return a->index() < b->index(); });
  return elements;
}

void Form::On(std::string_view control, FormEvent event, Handler handler) {
  if (Control* c = Find(control)) {
    c->AddHandler(event, std::move(handler));
    return;
  }
  std::vector<Control*> elements = Array(control);
  if (elements.empty()) {
    throw ToolkitError(name_ + " has no control named " + std::string(control) + " to bind " +
                       std::string(EventName(event)) + " to");
  }
  for (Control* c : elements) c->AddHandler(event, handler);
}

void Form::OnForm(FormEvent event, Handler handler) {
  handlers_[static_cast<std::size_t>(event)].push_back(std::move(handler));
}

bool Form::HasFormHandler(FormEvent event) const {
  return !handlers_[static_cast<std::size_t>(event)].empty();
}

void Form::FireForm(FormEvent event, EventArgs args) {
  args.control = nullptr;
  args.index = -1;
  const std::vector<Handler> handlers = handlers_[static_cast<std::size_t>(event)];
  for (const Handler& h : handlers) h(args);
}

Timer& Form::AddTimer(std::string name, int interval_ms, bool enabled,
                      std::function<void()> handler) {
  if (FindTimer(name)) throw ToolkitError(name_ + " declares the timer " + name + " twice");
  timers_.push_back(std::make_unique<Timer>(std::move(name), ui_.clock(), interval_ms, enabled));
  timers_.back()->SetHandler(std::move(handler), this);
  return *timers_.back();
}

Timer* Form::FindTimer(std::string_view name) const {
  for (const auto& t : timers_) {
    if (t->name() == name) return t.get();
  }
  return nullptr;
}

Timer& Form::GetTimer(std::string_view name) const {
  Timer* t = FindTimer(name);
  if (!t) throw ToolkitError(name_ + " has no timer named " + std::string(name));
  return *t;
}

void Form::SetPosition(Point top_left) {
  rect_.left = top_left.x;
  rect_.top = top_left.y;
  Changed();
}

void Form::Resize(Size size) {
  rect_.width = size.width;
  rect_.height = size.height;
  Changed();
}

void Form::Enlarge(double factor) {
  rect_.width = static_cast<int>(std::lround(rect_.width * factor));
  rect_.height = static_cast<int>(std::lround(rect_.height * factor));
  for (const auto& c : controls_) c->Scale(factor);
  scale_ *= factor;
  Changed();
}

void Form::SetBackground(std::string_view picture) {
  background_ = picture;
  Changed();
}

void Form::Close() {
  if (closed_) return;
  closed_ = true;
  Changed();
}

void Form::SetFocus(Control* control) {
  if (focus_ == control) return;
  focus_ = control;
  Changed();
}

void Form::Changed() const {
  still_version_ = NewStillVersion();
  ui_.Invalidate();
}

void Form::ChangedArea(const Rect& area) const {
  ui_.InvalidateArea(area);
}

namespace {
Control* HitIn(const std::vector<Control*>& siblings, Point p) {
  for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
    Control* c = *it;
    if (!c->visible() || !c->takes_pointer() || !c->rect().Contains(p)) continue;
    if (Control* inner = HitIn(c->children(), {p.x - c->left(), p.y - c->top()})) return inner;
    return c;
  }
  return nullptr;
}

// Which controls a drawing puts down: all, only those of the still layer,
// or only those drawn over it.
enum class DrawnPart { All, Still, Lively };

void DrawControls(Canvas& canvas, const std::vector<Control*>& siblings, Point origin,
                  const Rect& clip, const std::unordered_set<const Control*>& still,
                  DrawnPart part) {
  for (const Control* c : siblings) {
    if (!c->visible()) continue;
    const Rect screen = c->rect().Moved(origin.x, origin.y);
    const Rect inside = screen.Intersect(clip);
    if (inside.Empty()) continue;
    if (part == DrawnPart::All || (part == DrawnPart::Still) == still.contains(c)) {
      canvas.SetClip(inside);
      c->Draw(canvas, screen);
    }
    if (!c->children().empty())
      DrawControls(canvas, c->children(), {screen.left, screen.top}, inside, still, part);
  }
}

// Adds the controls drawn before `end` to `out`; true once `end` is met.
bool CollectBefore(const std::vector<Control*>& siblings, const Control* end,
                   std::unordered_set<const Control*>& out) {
  for (const Control* c : siblings) {
    if (c == end) return true;
    out.insert(c);
    if (CollectBefore(c->children(), end, out)) return true;
  }
  return false;
}
}  // namespace

Control* Form::HitTest(Point point) const {
  return HitIn(top_level_, point);
}

void Form::Draw(Canvas& canvas) const {
  Draw(canvas, {0, 0, canvas.size().width, canvas.size().height});
}

void Form::Draw(Canvas& canvas, const Rect& area) const {
  const Rect whole{0, 0, canvas.size().width, canvas.size().height};
  const Rect clip = rect_.Intersect(whole).Intersect(area);
  if (clip.Empty()) return;
  canvas.SetClip(clip);
  if (DrawStillLayer(canvas, clip)) {
    DrawControls(canvas, top_level_, {rect_.left, rect_.top}, clip, still_, DrawnPart::Lively);
    canvas.SetClip(std::nullopt);
    return;
  }
  canvas.SetClip(clip);
  if (!background_.empty()) {
    canvas.Picture(background_, rect_);
  } else if (page_) {
    look::WoodFramedPage(canvas, rect_);
  }
  DrawControls(canvas, top_level_, {rect_.left, rect_.top}, clip, still_, DrawnPart::All);
  canvas.SetClip(std::nullopt);
}

void Form::KeepStillUntil(const Control& first_lively) {
  first_lively_ = &first_lively;
  FindStillControls();
}

void Form::FindStillControls() {
  still_version_ = NewStillVersion();
  still_.clear();
  if (first_lively_) CollectBefore(top_level_, first_lively_, still_);
}

void Form::StillControlChanged(const Control& control) const {
  if (still_.contains(&control)) still_version_ = NewStillVersion();
}

// Puts the still layer's part inside `clip` on the canvas, drawing the
// layer first when it is not kept or something in it changed; false when
// the screen keeps no still layer or the canvas cannot.
bool Form::DrawStillLayer(Canvas& canvas, const Rect& clip) const {
  if (still_.empty()) return false;
  if (rect_ != still_rect_) {
    still_rect_ = rect_;
    still_version_ = NewStillVersion();
  }
  if (canvas.ShowLayer(this, still_version_, clip)) return true;
  if (!canvas.BeginLayer(this, still_version_)) return false;
  const Rect shown = rect_.Intersect({0, 0, canvas.size().width, canvas.size().height});
  canvas.SetClip(shown);
  if (!background_.empty()) {
    canvas.Picture(background_, rect_);
  } else if (page_) {
    look::WoodFramedPage(canvas, rect_);
  }
  DrawControls(canvas, top_level_, {rect_.left, rect_.top}, shown, still_, DrawnPart::Still);
  canvas.EndLayer();
  canvas.SetClip(clip);
  return canvas.ShowLayer(this, still_version_, clip);
}

}  // namespace valorne
