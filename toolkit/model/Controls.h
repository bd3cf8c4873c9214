#pragma once
// The control models every window model is made of: plain data that a view
// shows and a handler changes. They draw nothing and raise no events; the view
// turns user input into handler calls.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

// Anything that can hold the keyboard focus. A window model keeps a pointer to
// the control that has the focus; the view maps it to its widget.
struct Control {};

// The longest text a single-line field holds.
inline constexpr std::size_t kMaxFieldLength = 65535;

// A single-line edit field. Every change of its text bumps Revision(), so a
// view can tell in constant time whether the widget is still up to date.
class Edit : public Control {
 public:
  const std::string& Text() const { return text_; }
  void SetText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    ++revision_;
  }
  void Append(char c) {
    text_.push_back(c);
    ++revision_;
  }
  std::uint64_t Revision() const { return revision_; }

  bool Visible = true;
  bool ReadOnly = false;

 private:
  std::string text_;
  std::uint64_t revision_ = 0;
};

// A push button; its caption and glyph belong to the view.
struct Button : Control {
  bool Enabled = true;
};

// A button that stays pressed in until it is clicked again: the click flips
// Down, then the view raises the click handler, which reads it.
struct SpeedButton : Button {
  bool Down = false;
};

// What a screen reader says of something that happened where the focus did
// not go (a step enciphered a character, the chart slid): the view speaks the
// text once for every Say, the same text again too. Windows-1252.
class Announcement {
 public:
  void Say(std::string text) {
    text_ = std::move(text);
    ++revision_;
  }
  const std::string& Text() const { return text_; }
  std::uint64_t Revision() const { return revision_; }

 private:
  std::string text_;
  std::uint64_t revision_ = 0;
};

// A read-only rich-text box; the view wraps its text to the box's width.
struct RichEdit : Control {
  std::string Text;
};

// A group of option buttons of which exactly one is selected.
struct RadioGroup : Control {
  int ItemIndex = 0;
};

// An up-down spinner. The arrow operations report whether the position really
// moved: only then does the view raise the click handler. Setting Position
// from a handler raises nothing. A spinner stops at Min and Max unless it
// wraps, when the arrow beyond Max gives Min and the one below Min gives Max.
struct UpDown : Control {
  int Min = 0;
  int Max = 100;
  int Position = 0;
  bool Wrap = false;
  bool Visible = true;

  bool ClickUp() {
    if (Position >= Max) return WrapTo(Min);
    ++Position;
    return true;
  }
  bool ClickDown() {
    if (Position <= Min) return WrapTo(Max);
    --Position;
    return true;
  }

 private:
  bool WrapTo(int end) {
    if (!Wrap || Position == end) return false;
    Position = end;
    return true;
  }
};
