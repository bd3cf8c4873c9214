#include "bench/Scenario.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace bench {
namespace {

// A function-local list, so that registrations from any file's static
// initialisation find it constructed.
std::vector<Scenario>& Registry() {
  static std::vector<Scenario> scenarios;
  return scenarios;
}

}  // namespace

Registration::Registration(Scenario scenario) {
  Registry().push_back(std::move(scenario));
}

std::vector<Scenario> Scenarios() {
  std::vector<Scenario> sorted = Registry();
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Scenario& a, const Scenario& b) { return a.Name < b.Name; });
  return sorted;
}

Measurement Measure(const Scenario& scenario) {
  using Clock = std::chrono::steady_clock;
  Measurement m;
  std::vector<double> times;
  std::function<std::string(double)> note;
  for (int i = 0; i < scenario.Runs; ++i) {
    Run run = scenario.Setup();
    note = run.Note;
    const auto start = Clock::now();
    run.Timed();
    const auto stop = Clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    if (run.Verify && !run.Verify()) m.Verified = false;
  }
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  m.Runs = static_cast<int>(n);
  if (n > 0) m.MedianMilliseconds = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  if (note) m.Note = note(m.MedianMilliseconds);
  return m;
}

}  // namespace bench
