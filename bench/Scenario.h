#pragma once
// The benchmark program's scenarios: a name, an untimed setup, a timed body.
//
// To add one, define a Registration at namespace scope in a file of bench/ and
// list that file in bench/CMakeLists.txt:
//
//   const bench::Registration kMine{{"unit/what it does", [] {
//     auto state = std::make_shared<...>();   // untimed
//     return bench::Run{[state] { ... }, [state] { return ...; }};
//   }}};
//
// Every run gets a fresh setup, so a body may use up its state.

#include <functional>
#include <string>
#include <vector>

namespace bench {

// One run of a scenario, as its setup prepared it.
struct Run {
  std::function<void()> Timed;   // the work measured
  std::function<bool()> Verify;  // optional, untimed, after Timed: was the work really done?
  // Optional: more for the scenario's line, given the median of its runs (the
  // last run's Note is used).
  std::function<std::string(double medianMilliseconds)> Note = {};
};

struct Scenario {
  std::string Name;            // printed as it is, UTF-8
  std::function<Run()> Setup;  // untimed, once before every run
  int Runs = 9;
};

// Adds a scenario to the program's list when the program starts.
class Registration {
 public:
  explicit Registration(Scenario scenario);
};

// Every registered scenario, sorted by name.
std::vector<Scenario> Scenarios();

struct Measurement {
  double MedianMilliseconds = 0;
  int Runs = 0;
  bool Verified = true;  // false when a run did not do its work
  std::string Note;      // the scenario's own addition to its line, if any
};

Measurement Measure(const Scenario& scenario);

}  // namespace bench
