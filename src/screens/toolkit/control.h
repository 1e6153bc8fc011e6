// A control of a screen: a label, picture, button, list, check box, text box
// or bitmap text control. Its properties are those the screens set (visible,
// enabled, text, picture, colours, position, stacking order); setting one
// redraws the screen. Every control takes localized texts through the
// GlyphSink operations of ShowText: the bitmap text controls keep the glyph
// codes themselves, the others keep the text as UTF-8.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "screens/toolkit/control_spec.h"
#include "screens/toolkit/events.h"
#include "text/text_tables.h"

namespace valorne {

class Form;

class Control : public GlyphSink {
 public:
  Control(Form& form, const ControlSpec& declared, Control* parent);
  ~Control() override;
  static constexpr std::string_view kClassName = "control";
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // "GoldLbl", or "MsgLbl(3)" for element 3 of the array "MsgLbl".
  const std::string& name() const { return name_; }
  const std::string& base_name() const { return base_name_; }
  int index() const { return index_; }
  ControlKind kind() const { return kind_; }
  bool IsRuna() const;
  Form& form() const { return form_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }  // bottom first

  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible together with every container.
  bool Shown() const;
  // False for a decoration that the pointer passes through.
  bool takes_pointer() const { return takes_pointer_; }
  // Shown, and enabled together with every container: only such a control
  // gets the player's events.
  bool Active() const;

  // Position within the container.
  const Rect& rect() const { return rect_; }
  int left() const { return rect_.left; }
  int top() const { return rect_.top; }
  int width() const { return rect_.width; }
  int height() const { return rect_.height; }
  void SetRect(const Rect& rect);
  void SetLeft(int left) { SetRect({left, rect_.top, rect_.width, rect_.height}); }
  void SetTop(int top) { SetRect({rect_.left, top, rect_.width, rect_.height}); }
  void SetWidth(int width) { SetRect({rect_.left, rect_.top, width, rect_.height}); }
  void SetHeight(int height) { SetRect({rect_.left, rect_.top, rect_.width, height}); }
  void Move(int left, int top) { SetRect({left, top, rect_.width, rect_.height}); }
  // Position within the form (containers' offsets added).
  Rect FormRect() const;
  // The part of the display the control draws on: its rectangle cut by its
  // containers' and the form's; empty while a container is hidden.
  Rect DisplayArea() const;

  // Stacking among the controls of the same container.
  int z_order() const { return z_order_; }
  void BringToFront();
  void SendToBack();

  const std::string& picture() const { return picture_; }
  void SetPicture(std::string_view picture);
  const std::string& hover_picture() const { return hover_picture_; }
  void SetHoverPicture(std::string_view picture);
  const std::optional<Colour>& colour_key() const { return colour_key_; }
  void SetColourKey(std::optional<Colour> key);
  // Frame `frame` of a strip of square frames (each as wide as the picture
  // is high), counted round the strip: an animation shown one frame at a
  // time. None shows the whole picture.
  const std::optional<int>& strip_frame() const { return strip_frame_; }
  void SetStripFrame(std::optional<int> frame);
  // How opaque the picture is drawn: 0 not at all, 255 fully (the fades).
  std::uint8_t opacity() const { return opacity_; }
  void SetOpacity(std::uint8_t opacity);
  Colour fore() const { return fore_; }
  void SetFore(Colour colour);
  const std::optional<Colour>& back() const { return back_; }
  void SetBack(std::optional<Colour> colour);
  int font_size() const { return font_size_; }
  void SetFontSize(int size);
  TextAlign align() const { return align_; }
  void SetAlign(TextAlign align);
  const TextRef& caption() const { return caption_; }

  // The text as the player reads it, UTF-8.
  virtual std::string Text() const;
  virtual void SetText(std::string_view utf8);
  // The text as glyph codes (code = Unicode code point).
  std::vector<GlyphCode> Glyphs() const;
  void ClearText() override;
  void AppendGlyph(GlyphCode code) override;

  // Handlers; every handler bound to an event runs, in the order bound.
  void AddHandler(FormEvent event, Handler handler);
  bool HasHandler(FormEvent event) const;
  void Fire(FormEvent event, EventArgs args);

  // The player's pointer: over the control, and a button held on it.
  bool hovered() const { return hovered_; }
  void SetHovered(bool hovered);
  bool pressed() const { return pressed_; }
  void SetPressed(bool pressed);

  // Draws the control at `screen` (its rectangle on the canvas).
  virtual void Draw(Canvas& canvas, const Rect& screen) const;

  // Enlarges position, size and letters by `factor` (the large screen mode).
  virtual void Scale(double factor);

 protected:
  void Changed() const;
  virtual void TextChanged() {}
  TextStyle Style() const;
  // How the control's picture is drawn: colour key, strip frame, opacity.
  PictureStyle PictureLook(Canvas& canvas, const std::string& picture) const;

 private:
  friend class Form;
  void SortChildren();
  // Redraws the part of the display the control covers now, shown or not.
  void MarkArea() const;

  Form& form_;
  Control* parent_;
  std::vector<Control*> children_;
  std::string name_;
  std::string base_name_;
  int index_;
  ControlKind kind_;
  bool visible_;
  bool enabled_;
  bool takes_pointer_;
  Rect rect_;
  int z_order_ = 0;
  std::string picture_;
  std::string hover_picture_;
  std::optional<Colour> colour_key_;
  std::optional<int> strip_frame_;
  std::uint8_t opacity_ = 255;
  Colour fore_;
  std::optional<Colour> back_;
  int font_size_;
  TextAlign align_;
  TextRef caption_;
  std::string text_;               // plain controls
  std::vector<GlyphCode> glyphs_;  // bitmap text controls
  bool hovered_ = false;
  bool pressed_ = false;
  std::array<std::vector<Handler>, kFormEventCount> handlers_;
};

// The usual letter size of a kind.
int DefaultFontSize(ControlKind kind);

}  // namespace valorne
