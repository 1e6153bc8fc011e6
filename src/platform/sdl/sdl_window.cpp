#include "platform/sdl/sdl_window.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>

#include "platform/sdl/quiet_errors.h"
#include "platform/sdl/sdl_canvas.h"
#include "platform/sdl/sdl_keys.h"

namespace valorne {

struct SdlWindow::Impl {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Cursor* cursor = nullptr;
  // The frame as last drawn, kept so that a change redraws only its part;
  // nullptr when the renderer cannot draw into a texture.
  SDL_Texture* frame = nullptr;
  bool frame_kept = false;   // the frame holds a whole drawing of the display
  bool whole_frame = false;  // the frame under way is drawn whole
  std::unique_ptr<SdlCanvas> canvas;
  Size display;
  bool full_screen = false;

  ~Impl() {
    canvas.reset();
    if (frame) SDL_DestroyTexture(frame);
    if (cursor) SDL_FreeCursor(cursor);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  std::optional<InputEvent> Convert(const SDL_Event& e, SdlWindow& owner);
  // Draws into the kept frame, made anew for the display's size.
  bool TargetFrame();
};

bool SdlWindow::Impl::TargetFrame() {
  int width = 0, height = 0;
  if (frame && (SDL_QueryTexture(frame, nullptr, nullptr, &width, &height) != 0 ||
                width != display.width || height != display.height)) {
    SDL_DestroyTexture(frame);
    frame = nullptr;
    frame_kept = false;
  }
  if (!frame && SDL_RenderTargetSupported(renderer)) {
    frame = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                              display.width, display.height);
    if (frame) SDL_SetTextureBlendMode(frame, SDL_BLENDMODE_NONE);
    frame_kept = false;
  }
  if (!frame || SDL_SetRenderTarget(renderer, frame) != 0) {
    frame_kept = false;
    return false;
  }
  return true;
}

namespace {
InputEvent Pointer(InputEvent::Kind kind, int x, int y) {
  InputEvent event;
  event.kind = kind;
  event.position = {x, y};
  return event;
}

std::optional<MouseButton> ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return MouseButton::Left;
    case SDL_BUTTON_RIGHT:
      return MouseButton::Right;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool DriverShowsWindows(std::string_view driver, const char* asked_for) {
  const bool invisible = driver == "offscreen" || driver == "dummy" || driver == "evdev";
  // A driver named in the environment is what the caller wants, seen or not
  // (the tests draw with the invisible one).
  return !invisible || (asked_for && driver == asked_for);
}

namespace {

// The largest window of the display's shape that fits the desktop.
Size WindowSizeFor(Size display) {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) return display;
  const double scale = std::min({1.0, static_cast<double>(usable.w) / display.width,
                                 static_cast<double>(usable.h - 40) / display.height});
  return {static_cast<int>(display.width * scale), static_cast<int>(display.height * scale)};
}
}  // namespace

std::optional<InputEvent> SdlWindow::Impl::Convert(const SDL_Event& e, SdlWindow& owner) {
  switch (e.type) {
    case SDL_QUIT: {
      InputEvent quit;
      quit.kind = InputEvent::Kind::Quit;
      return quit;
    }
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_LEAVE:
          return Pointer(InputEvent::Kind::PointerLeft, 0, 0);
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          return Pointer(InputEvent::Kind::Redraw, 0, 0);
        default:
          return std::nullopt;
      }
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      frame_kept = false;
      return Pointer(InputEvent::Kind::Redraw, 0, 0);
    case SDL_MOUSEMOTION:
      return Pointer(InputEvent::Kind::PointerMove, e.motion.x, e.motion.y);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const std::optional<MouseButton> button = ButtonOf(e.button.button);
      if (!button) return std::nullopt;
      InputEvent event = Pointer(
          e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp,
          e.button.x, e.button.y);
      event.button = *button;
      return event;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const SDL_Keycode key = e.key.keysym.sym;
      if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && (e.key.keysym.mod & KMOD_ALT)) {
        if (e.type == SDL_KEYDOWN && !e.key.repeat) owner.ToggleFullScreen();
        return std::nullopt;
      }
      const std::string name = KeyNameOf(key);
      if (name.empty()) return std::nullopt;
      InputEvent event;
      event.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
      event.key = name;
      return event;
    }
    case SDL_TEXTINPUT: {
      InputEvent event;
      event.kind = InputEvent::Kind::TextTyped;
      event.text = e.text.text;
      return event;
    }
    default:
      return std::nullopt;
  }
}

SdlWindow::SdlWindow(const std::string& title, Size display) : impl_(std::make_unique<Impl>()) {
  int started = 0;
  {
    // The display libraries tried in turn complain on the terminal about
    // the ones that are not there; the one line below says what matters.
    QuietStandardError quiet;
    started = SDL_InitSubSystem(SDL_INIT_VIDEO);
  }
  if (started != 0) throw SdlWindowError(std::string("no display: ") + SDL_GetError());
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!DriverShowsWindows(driver ? driver : "", SDL_getenv("SDL_VIDEODRIVER"))) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw SdlWindowError("no display (no X11 or Wayland) to show a window on");
  }
  std::string error;
  if (!StartSdlDrawing(&error)) throw SdlWindowError(error);
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  // Without a graphics card SDL would show the software renderer's frames
  // through an OpenGL emulation, which costs far more memory and time than
  // the window system's own picture transfer; a hint from the environment
  // still decides.
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  const Size window = WindowSizeFor(display);
  impl_->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   window.width, window.height, SDL_WINDOW_RESIZABLE);
  if (!impl_->window) throw SdlWindowError(std::string("no window: ") + SDL_GetError());
  impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_ACCELERATED);
  if (!impl_->renderer)
    impl_->renderer = SDL_CreateRenderer(impl_->window, -1, SDL_RENDERER_SOFTWARE);
  if (!impl_->renderer) throw SdlWindowError(std::string("no renderer: ") + SDL_GetError());
  impl_->canvas = std::make_unique<SdlCanvas>(impl_->renderer, display);
  SetDisplaySize(display);
}

SdlWindow::~SdlWindow() = default;

std::optional<InputEvent> SdlWindow::WaitEvent(int timeout_ms) {
  const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(std::max(0, timeout_ms));
  while (true) {
    SDL_Event e;
    int got = 0;
    if (timeout_ms < 0) {
      got = SDL_WaitEvent(&e);
    } else {
      const Uint64 now = SDL_GetTicks64();
      if (now >= deadline) {
        got = SDL_PollEvent(&e);
      } else {
        got = SDL_WaitEventTimeout(&e, static_cast<int>(deadline - now));
      }
    }
    if (!got) return std::nullopt;
    if (std::optional<InputEvent> event = impl_->Convert(e, *this)) return event;
  }
}

std::optional<InputEvent> SdlWindow::PollEvent() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (std::optional<InputEvent> event = impl_->Convert(e, *this)) return event;
  }
  return std::nullopt;
}

Canvas& SdlWindow::BeginFrame() {
  // A renderer that cannot keep the frame draws straight on the window.
  impl_->frame_kept = impl_->TargetFrame();
  impl_->canvas->SetClip(std::nullopt);
  impl_->canvas->Clear(kBlack);
  impl_->canvas->StartWholeFrame();
  impl_->whole_frame = true;
  return *impl_->canvas;
}

Canvas* SdlWindow::BeginUpdate() {
  if (!impl_->frame_kept || !impl_->TargetFrame()) return nullptr;
  impl_->whole_frame = false;
  impl_->canvas->SetClip(std::nullopt);
  return impl_->canvas.get();
}

void SdlWindow::EndFrame() {
  if (impl_->whole_frame) impl_->canvas->EndWholeFrame();
  impl_->whole_frame = false;
  if (impl_->frame_kept) {
    // The kept frame goes onto the window, scaled to it with black bars.
    impl_->canvas->SetClip(std::nullopt);
    SDL_SetRenderTarget(impl_->renderer, nullptr);
    SDL_SetRenderDrawColor(impl_->renderer, 0, 0, 0, 255);
    SDL_RenderClear(impl_->renderer);
    SDL_RenderCopy(impl_->renderer, impl_->frame, nullptr, nullptr);
  }
  SDL_RenderPresent(impl_->renderer);
}

Size SdlWindow::DisplaySize() const {
  return impl_->display;
}

void SdlWindow::SetDisplaySize(Size size) {
  if (size.width <= 0 || size.height <= 0) return;
  impl_->display = size;
  impl_->frame_kept = false;
  impl_->canvas->SetSize(size);
  SDL_RenderSetLogicalSize(impl_->renderer, size.width, size.height);
  if (!impl_->full_screen) {
    const Size window = WindowSizeFor(size);
    SDL_SetWindowSize(impl_->window, window.width, window.height);
  }
}

void SdlWindow::ToggleFullScreen() {
  impl_->full_screen = !impl_->full_screen;
  SDL_SetWindowFullscreen(impl_->window, impl_->full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool SdlWindow::SetPointerFile(const std::filesystem::path& file) {
  SDL_Surface* picture = IMG_Load(file.c_str());
  if (!picture) return false;
  SDL_Cursor* cursor = SDL_CreateColorCursor(picture, 0, 0);
  SDL_FreeSurface(picture);
  if (!cursor) return false;
  SDL_SetCursor(cursor);
  if (impl_->cursor) SDL_FreeCursor(impl_->cursor);
  impl_->cursor = cursor;
  return true;
}

void SdlWindow::UseSystemPointer() {
  SDL_SetCursor(SDL_GetDefaultCursor());
  if (impl_->cursor) SDL_FreeCursor(impl_->cursor);
  impl_->cursor = nullptr;
}

void SdlWindow::ShowPointer(bool shown) {
  SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

void* SdlWindow::native() const {
  return impl_->window;
}

}  // namespace valorne
