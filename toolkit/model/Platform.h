#pragma once
// What only a window system can do for a window model: message boxes, showing
// another window modally, redrawing and pausing. The app implements it with Qt
// (toolkit/view/QtPlatform.h); the model tests implement it with a scripted fake.

#include <string>

#include "toolkit/model/ModalFrame.h"

// The four kinds of message box; each is titled with the German word of its kind.
enum class MessageKind {
  Warning,       // "Warnung"
  Error,         // "Fehler"
  Information,   // "Information"
  Confirmation,  // "Bestätigung"
};

enum class MessageButtons { Ok, OkCancel, YesNo };

// The button that closed a box. Closing it any other way (Escape, the title
// bar) answers None, which every handler treats like an answer it did not ask for.
enum class MessageAnswer { None, Ok, Cancel, Yes, No };

// How a pause ended: its time ran out, or the learner asked to stop what is
// running (Escape, or closing the window) before it did.
enum class PauseEnd { TimeUp, StopAsked };

// A window that a handler can show modally. The toolkit knows no window of the
// program: the app names the values and tells the platform which window each
// stands for.
enum class ModalForm : int {};

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows a modal message box and waits for the answer. The text is
  // Windows-1252; a "\r" in it breaks the line. Whatever the handler changed
  // before asking is on the screen while the box waits.
  virtual MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                                    MessageButtons buttons) = 0;

  // Shows a window modally and returns its modal result once the user has
  // closed it; whatever else the window hands back is read from its model.
  // The window's FormShow runs before it appears, over windows that are up
  // to date.
  virtual int ShowModal(ModalForm form) = 0;

  // Brings the screen up to date with the models now, in the middle of a
  // handler. Calls that come faster than the screen can show may be dropped.
  virtual void RedrawNow() = 0;

  // Waits without handling user input; the windows keep repainting. Escape or
  // a request to close the window ends the wait early, and says so, so that a
  // run of hours can be stopped.
  [[nodiscard]] virtual PauseEnd Pause(int milliseconds) = 0;

  // The decimal separator of the user's locale, such as ',' for German.
  virtual char DecimalSeparator() const = 0;
};
