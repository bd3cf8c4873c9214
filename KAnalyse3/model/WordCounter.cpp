#include "KAnalyse3/model/WordCounter.h"

#include <algorithm>
#include <cstddef>
#include <queue>

namespace {
constexpr std::uint32_t kNone = UINT32_MAX;
}  // namespace

WordCounter::WordCounter(std::span<const std::string> words) {
  for (const std::string& word : words)
    for (const char c : word) {
      std::uint32_t& cls = class_[static_cast<unsigned char>(c)];
      if (cls == 0) cls = classCount_++;
    }
  const std::uint32_t k = classCount_;

  // The trie of the entries: children[state * k + class], with each entry's end
  // counted once more for every time it stands in the list.
  std::vector<std::uint32_t> children(k, kNone);
  std::vector<std::uint32_t> ends(1, 0);
  for (const std::string& word : words) {
    if (word.empty()) continue;
    std::uint32_t state = 0;
    for (const char c : word) {
      const std::uint32_t cls = class_[static_cast<unsigned char>(c)];
      if (children[state * k + cls] == kNone) {
        children[state * k + cls] = static_cast<std::uint32_t>(ends.size());
        ends.push_back(0);
        children.resize(children.size() + k, kNone);
      }
      state = children[state * k + cls];
    }
    ++ends[state];
  }

  // Breadth first, every missing edge is completed to the state of the longest
  // suffix that the trie knows, and every state learns the hits of that suffix,
  // so the scan never follows a failure link.
  const std::size_t states = ends.size();
  std::vector<std::uint32_t> fail(states, 0);
  std::vector<std::uint32_t> delta(states * k, 0);
  std::queue<std::uint32_t> pending;
  for (std::uint32_t c = 0; c < k; ++c) {
    const std::uint32_t child = children[c];
    if (child == kNone) continue;
    delta[c] = child;
    pending.push(child);
  }
  while (!pending.empty()) {
    const std::uint32_t u = pending.front();
    pending.pop();
    ends[u] += ends[fail[u]];
    for (std::uint32_t c = 0; c < k; ++c) {
      const std::uint32_t child = children[u * k + c];
      const std::uint32_t viaSuffix = delta[fail[u] * k + c];
      if (child == kNone) {
        delta[u * k + c] = viaSuffix;
      } else {
        delta[u * k + c] = child;
        fail[child] = viaSuffix;
        pending.push(child);
      }
    }
  }

  next_.resize(states * k);
  hits_.assign(states * k, 0);
  for (std::size_t i = 0; i < next_.size(); ++i) next_[i] = delta[i] * k;
  for (std::size_t s = 0; s < states; ++s) hits_[s * k] = ends[s];
}

std::uint32_t WordCounter::Count(std::string_view text) const {
  std::uint32_t state = 0;
  std::uint32_t count = 0;
  Scan(text, state, count);
  return count;
}

void WordCounter::Scan(std::string_view text, std::uint32_t& state, std::uint32_t& count) const {
  for (const char c : text) {
    state = next_[state + class_[static_cast<unsigned char>(c)]];
    count += hits_[state];
  }
}

void WordCounter::CountEach(std::span<const std::string_view> texts,
                            std::span<std::uint32_t> counts) const {
  const std::uint32_t* next = next_.data();
  const std::uint32_t* hits = hits_.data();
  const std::uint32_t* classOf = class_.data();
  std::size_t first = 0;
  // Four lanes spelled out, so that their states stay in registers.
  for (; first + 4 <= texts.size(); first += 4) {
    const std::string_view t0 = texts[first], t1 = texts[first + 1], t2 = texts[first + 2],
                           t3 = texts[first + 3];
    const std::size_t common = std::min({t0.size(), t1.size(), t2.size(), t3.size()});
    const auto* b0 = reinterpret_cast<const unsigned char*>(t0.data());
    const auto* b1 = reinterpret_cast<const unsigned char*>(t1.data());
    const auto* b2 = reinterpret_cast<const unsigned char*>(t2.data());
    const auto* b3 = reinterpret_cast<const unsigned char*>(t3.data());
    std::uint32_t s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    std::uint32_t c0 = 0, c1 = 0, c2 = 0, c3 = 0;
    for (std::size_t i = 0; i < common; ++i) {
      s0 = next[s0 + classOf[b0[i]]];
      s1 = next[s1 + classOf[b1[i]]];
      s2 = next[s2 + classOf[b2[i]]];
      s3 = next[s3 + classOf[b3[i]]];
      c0 += hits[s0];
      c1 += hits[s1];
      c2 += hits[s2];
      c3 += hits[s3];
    }
    // Texts of different lengths finish one by one.
    Scan(t0.substr(common), s0, c0);
    Scan(t1.substr(common), s1, c1);
    Scan(t2.substr(common), s2, c2);
    Scan(t3.substr(common), s3, c3);
    counts[first] = c0;
    counts[first + 1] = c1;
    counts[first + 2] = c2;
    counts[first + 3] = c3;
  }
  for (; first < texts.size(); ++first) counts[first] = Count(texts[first]);
}
