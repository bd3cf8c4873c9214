// The program's start-up as a learner waits for it: from starting the whole
// process until its main window is mapped on an X display, against two Qt
// windows of the same size started the same way in the same run: an empty one,
// and one showing a single line of text. Text is what starts the font
// machinery (fontconfig reads its configuration, a font engine is made), some
// 30 ms before any window showing a word can be mapped. Each run starts the two
// yardsticks (untimed) and then the program (timed); the line gives the
// medians and the program's ratio to each.
//
// Uses the display in DISPLAY, or starts an Xvfb of its own.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/Scenario.h"

namespace {

using Clock = std::chrono::steady_clock;

// A runtime folder the programs can take, as a desktop session gives them.
const std::string& RuntimeFolder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/chiffrarium-bench-XXXXXX";
    return std::string(mkdtemp(pattern.data()) ? pattern : "/tmp");
  }();
  return folder;
}

// The X display the programs start on, opened once for the whole run.
class MapWatch {
 public:
  static MapWatch& Get() {
    static MapWatch watch;
    return watch;
  }
  bool Ok() const { return display_ != nullptr; }
  const std::string& Name() const { return name_; }

  // Starts program and returns the milliseconds until its first window is
  // mapped; the program is then ended. A negative value: it never came up.
  double MillisecondsToMapped(const char* program, const char* argument = nullptr) {
    if (!Ok()) return -1;
    XSync(display_, True);  // forget what earlier programs left
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
      setenv("DISPLAY", name_.c_str(), 1);
      setenv("QT_QPA_PLATFORM", "xcb", 1);
      setenv("XDG_RUNTIME_DIR", RuntimeFolder().c_str(), 1);
      std::freopen("/dev/null", "w", stderr);
      execl(program, program, argument, static_cast<char*>(nullptr));
      _exit(127);
    }
    double elapsed = -1;
    const auto deadline = start + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
      while (XPending(display_)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MapNotify && elapsed < 0)
          elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      }
      if (elapsed >= 0) break;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return elapsed;
  }

 private:
  MapWatch() {
    const char* given = std::getenv("DISPLAY");
    if (given && *given) {
      name_ = given;
    } else {
      name_ = ":73";
      xvfb_ = fork();
      if (xvfb_ == 0) {
        execlp("Xvfb", "Xvfb", name_.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
      }
    }
    for (int i = 0; i < 100 && !display_; ++i) {
      display_ = XOpenDisplay(name_.c_str());
      if (!display_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (display_) XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
  }
  ~MapWatch() {
    if (display_) XCloseDisplay(display_);
    if (xvfb_ > 0) {
      kill(xvfb_, SIGTERM);
      waitpid(xvfb_, nullptr, 0);
    }
  }

  std::string name_;
  pid_t xvfb_ = -1;
  Display* display_ = nullptr;
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Runs {
  std::vector<double> empty;
  std::vector<double> label;
  bool allMapped = true;
};

const bench::Registration kStartup{{
    "app/start-up, whole process until the main window is mapped",
    [] {
      static Runs runs;  // across the runs of this scenario
      const double empty = MapWatch::Get().MillisecondsToMapped(CHIFFRARIUM_BARE_WINDOW);
      const double label = MapWatch::Get().MillisecondsToMapped(CHIFFRARIUM_BARE_WINDOW, "--label");
      if (empty < 0 || label < 0) runs.allMapped = false;
      runs.empty.push_back(empty);
      runs.label.push_back(label);
      auto mapped = std::make_shared<double>(-1);
      return bench::Run{
          [mapped] { *mapped = MapWatch::Get().MillisecondsToMapped(CHIFFRARIUM_PROGRAM); },
          [mapped] { return *mapped >= 0 && runs.allMapped; },
          [](double median) {
            const double empty = Median(runs.empty);
            const double label = Median(runs.label);
            char note[200];
            std::snprintf(note, sizeof note,
                          "empty Qt window %.2f ms (ratio %.2f), Qt window with one label %.2f ms "
                          "(ratio %.2f)",
                          empty, empty > 0 ? median / empty : 0.0, label,
                          label > 0 ? median / label : 0.0);
            return std::string(note);
          }};
    },
    15}};

}  // namespace
