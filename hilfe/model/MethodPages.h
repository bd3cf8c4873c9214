#pragma once
// The written pages of the help: how the Caesar shift works with the four
// alphabets, how the frequency analysis ranks a shift, how the brute force
// counts the words of its list, and why short texts mislead. Each page
// explains with an example the program's own engines compute, on the texts in
// the main window when the help opens (or on the README's message where the
// window holds none), so the numbers are the ones the windows show.
//
// It changes nothing: the engines run on copies of the program's state. The
// pages are HTML in Windows-1252; the help window shows them.

#include <string>
#include <vector>

#include "ciphercore/CipherCore.h"

// What the help reads from the main window.
struct WorkbenchTexts {
  std::string Plaintext;   // Edit1
  std::string Ciphertext;  // Edit3
  int EncShift = 17;
  int Tolerance = 3;       // the frequency analysis' tolerance
};

struct HelpPage {
  std::string Id;     // the page's name in links: <a href="#page:Id">
  std::string Title;  // Windows-1252
  std::string Html;   // Windows-1252, the page's body below its title
};

// core: the program's cipher core (its alphabet in use and MasterAlphabet).
std::vector<HelpPage> MethodPages(const CipherCore& core, const WorkbenchTexts& texts,
                                  char decimalSeparator);

// Text as HTML: <, >, & and " written as entities. Windows-1252 in and out.
std::string HtmlEscaped(const std::string& text);
