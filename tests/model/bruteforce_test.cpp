// The brute-force engine on its own: the word list, the trial texts and their
// order, the scores (checked against a plain search), and the two sorts.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "KAnalyse3/model/BruteForce.h"
#include "KAnalyse3/model/WordCounter.h"
#include "tests/support/Encipher.h"
#include "toolkit/model/Win1252.h"

namespace {

// The plain search the fast counter must equal: each entry on its own, each
// search restarting one character after the start of the previous hit.
std::uint64_t NaiveCount(const std::vector<std::string>& words, const std::string& text) {
  std::uint64_t hits = 0;
  for (const std::string& word : words) {
    if (word.empty()) continue;
    for (auto pos = text.find(word); pos != std::string::npos; pos = text.find(word, pos + 1))
      ++hits;
  }
  return hits;
}

class Engine : public testing::Test {
 protected:
  void SetUp() override {
    core.MasterAlphabet = std::string(MasterAlphabetCharacters());
    FillWordList(state);
    InitBruteTable(state);
  }
  void Analyse(const std::string& text, int alphabetSize) {
    core.AnalysisText = text;
    core.AlphabetSize = alphabetSize;
    TryAllShifts(state, core);
    CountWords(state, core);
  }
  const TTabElement& EntryWithShift(int shift) const {
    for (int i = 1; i <= core.AlphabetSize; ++i)
      if (state.BruteTable[i].Shift == shift) return state.BruteTable[i];
    ADD_FAILURE() << "no entry with shift " << shift;
    return state.BruteTable[0];
  }
  std::vector<std::string> Words() const { return {state.WordList.begin(), state.WordList.end()}; }

  CipherCore core;
  BruteForceState state;
};

TEST_F(Engine, WordListHoldsItsUmlautEntriesAsWindows1252) {
  EXPECT_EQ(state.WordList[0], "DER");
  EXPECT_EQ(state.WordList[10], "F\xDCR");
  EXPECT_EQ(state.WordList[34], "C\xC4SAR");
  EXPECT_EQ(state.WordList[39], "DU");
  // The full order is checked through the word-list line of the window.
}

TEST_F(Engine, InitResetsEveryEntryIncludingTheSpareOne) {
  Analyse("GHU OHKUHU", 60);
  SortByWordCount(state, core);
  InitBruteTable(state);
  for (int i = 0; i < kBruteTableLength; ++i) {
    const TTabElement& e = state.BruteTable[i];
    EXPECT_EQ(e.Shift, i);
    EXPECT_EQ(e.Row, i);
    EXPECT_EQ(e.WordCount, 0u);
    EXPECT_EQ(e.TrialText, "");
  }
}

TEST_F(Engine, TrialsStandInTheirOwnShiftOrderAndLeaveRowAndScoreAlone) {
  for (TTabElement& e : state.BruteTable) {
    e.Row = 99;
    e.WordCount = 77;
  }
  core.AnalysisText = "ABC";
  core.AlphabetSize = 26;
  TryAllShifts(state, core);
  EXPECT_EQ(state.BruteTable[1].Shift, 24);
  EXPECT_EQ(state.BruteTable[1].TrialText, "CDE");
  EXPECT_EQ(state.BruteTable[24].Shift, 1);
  EXPECT_EQ(state.BruteTable[25].Shift, 0);
  EXPECT_EQ(state.BruteTable[25].TrialText, "ABC");
  EXPECT_EQ(state.BruteTable[26].Shift, 25);
  EXPECT_EQ(state.BruteTable[26].TrialText, "BCD");
  std::vector<int> shifts;
  for (int i = 1; i <= 26; ++i) {
    shifts.push_back(state.BruteTable[i].Shift);
    EXPECT_EQ(state.BruteTable[i].Row, 99);
    EXPECT_EQ(state.BruteTable[i].WordCount, 77u);
  }
  std::sort(shifts.begin(), shifts.end());
  for (int s = 0; s < 26; ++s) EXPECT_EQ(shifts[s], s);
  EXPECT_EQ(state.BruteTable[27].TrialText, "");  // beyond N: untouched
}

// Every trial undoes the encryption with its shift, under every alphabet, and
// leaves the characters outside the alphabet in use as they were.
TEST_F(Engine, EachTrialUndoesTheEncryptionWithItsShift) {
  const std::string plain =
      W("DER LEHRER SAGT: 42 SCHÜLER ÜBEN CÄSAR-CHIFFREN. WER? ÄÖÜß! $ & ~ é");
  for (const int n : {26, 27, 37, 60}) {
    for (int shift = 0; shift < n; ++shift) {
      Analyse(Encipher(plain, n, shift), n);
      EXPECT_EQ(EntryWithShift(shift).TrialText, plain) << "N " << n << " shift " << shift;
    }
    EXPECT_EQ(EntryWithShift(0).TrialText, core.AnalysisText);
  }
}

struct ScoreCase {
  const char* name;
  const char* text;  // UTF-8
  std::uint32_t score;
};

const ScoreCase kScoreCases[] = {
    {"DER_and_ER", "DER", 2},
    {"DASS_holds_DAS_DASS_ASS", "DASS", 3},
    {"AUF_listed_twice", "AUF", 2},
    {"DES_listed_twice", "DES", 2},
    {"ININ_twice_IN", "ININ", 2},
    {"NUNUN_overlapping_NUN", "NUNUN", 2},
    {"DU", "DU", 1},
    {"no_entry", "XYZ QWQ", 0},
    {"empty", "", 0},
    {"lower_case_never_matches", "der dass", 0},
    {"umlaut_entries", "FÜR CÄSAR", 2},
    {"FUER_holds_ER", "FUER", 2},
    {"inside_words_without_boundaries", "WEINDERIN", 5},  // EIN, IN twice, DER, ER
};

class Score : public Engine, public testing::WithParamInterface<ScoreCase> {};

TEST_P(Score, CountsEveryOccurrenceOfEveryEntry) {
  core.AlphabetSize = 26;
  state.BruteTable[1].TrialText = W(GetParam().text);
  CountWords(state, core);
  EXPECT_EQ(state.BruteTable[1].WordCount, GetParam().score);
  EXPECT_EQ(state.BruteTable[1].WordCount, NaiveCount(Words(), state.BruteTable[1].TrialText));
}

INSTANTIATE_TEST_SUITE_P(TrialTexts, Score, testing::ValuesIn(kScoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Engine, LongTextsNeitherWrapNorLoseHits) {
  // A hit in the very last characters of a full-length field.
  std::string text(65535 - 3, 'X');
  text += "DER";
  core.AlphabetSize = 26;
  state.BruteTable[1].TrialText = text;
  // A score beyond 16 bits: 25,000 times DAS, DASS and ASS.
  std::string dass;
  for (int i = 0; i < 25000; ++i) dass += "DASS";
  state.BruteTable[2].TrialText = dass;
  CountWords(state, core);
  EXPECT_EQ(state.BruteTable[1].WordCount, 2u);
  EXPECT_EQ(state.BruteTable[2].WordCount, 75000u);
}

// The fast counter against the plain search on random lists and texts over few
// letters, so that entries share prefixes and suffixes and overlap often.
TEST(WordCounterCrossCheck, EqualsThePlainSearchOnRandomListsAndTexts) {
  std::mt19937 random(20240501);
  const std::string letters = W("ABDENRSÜ");
  auto randomString = [&](int minLength, int maxLength) {
    std::string s(std::uniform_int_distribution<int>(minLength, maxLength)(random), ' ');
    for (char& c : s)
      c = letters[std::uniform_int_distribution<int>(0, letters.size() - 1)(random)];
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> words;
    const int count = std::uniform_int_distribution<int>(0, 12)(random);
    for (int i = 0; i < count; ++i) words.push_back(randomString(0, 5));  // may be empty
    if (count > 0 && round % 3 == 0) words.push_back(words.front());      // a duplicate entry
    const WordCounter counter(words);
    // Seven texts of different lengths: one group of four scanned side by
    // side, whose longer texts finish alone, and three scanned one by one.
    std::vector<std::string> texts;
    std::vector<std::string_view> views;
    for (int t = 0; t < 7; ++t) texts.push_back(randomString(0, 200));
    for (const std::string& text : texts) views.push_back(text);
    std::vector<std::uint32_t> counts(texts.size());
    counter.CountEach(views, counts);
    for (std::size_t t = 0; t < texts.size(); ++t) {
      const std::uint64_t expected = NaiveCount(words, texts[t]);
      ASSERT_EQ(counter.Count(texts[t]), expected) << "round " << round << " text " << t;
      ASSERT_EQ(counts[t], expected) << "round " << round << " text " << t;
    }
  }
}

// All trials of a real German text, under every alphabet, scored both ways.
TEST_F(Engine, ScoresEqualThePlainSearchOnARealText) {
  const std::string plain =
      W("DER LEHRER ERKLÄRT DER KLASSE, DASS CÄSAR SEINE BRIEFE GEHEIM HIELT: ER "
        "VERSCHOB JEDEN BUCHSTABEN UM DREI STELLEN. WER DIE VERSCHIEBUNG KENNT, KANN "
        "DEN TEXT LESEN; FÜR ALLE ANDEREN IST ER NUR EIN DURCHEINANDER VON ZEICHEN. "
        "DIE KRYPTOANALYSE ZEIGT, WIE MAN AUCH OHNE SCHLÜSSEL ZUM ZIEL KOMMT.");
  for (const int n : {26, 27, 37, 60}) {
    Analyse(Encipher(plain, n, 11), n);
    for (int i = 1; i <= n; ++i)
      EXPECT_EQ(state.BruteTable[i].WordCount, NaiveCount(Words(), state.BruteTable[i].TrialText))
          << "N " << n << " entry " << i;
    EXPECT_EQ(EntryWithShift(11).WordCount, NaiveCount(Words(), plain));
  }
}

TEST_F(Engine, SortsAreStableAndRenumberTheRows) {
  core.AlphabetSize = 5;
  const int counts[] = {1, 3, 1, 3, 0};
  const int shifts[] = {4, 3, 2, 1, 0};
  for (int i = 1; i <= 5; ++i) {
    state.BruteTable[i].WordCount = counts[i - 1];
    state.BruteTable[i].Shift = shifts[i - 1];
    state.BruteTable[i].TrialText = "T" + std::to_string(shifts[i - 1]);
  }
  state.BruteTable[6].Shift = 0;  // beyond N: never part of a sort
  state.BruteTable[6].WordCount = 9;

  auto order = [&] {
    std::vector<int> s;
    for (int i = 1; i <= 5; ++i) {
      s.push_back(state.BruteTable[i].Shift);
      EXPECT_EQ(state.BruteTable[i].Row, i);
      EXPECT_EQ(state.BruteTable[i].TrialText, "T" + std::to_string(state.BruteTable[i].Shift));
    }
    return s;
  };
  SortByWordCount(state, core);  // equal counts keep their order: 3 before 1, 4 before 2
  EXPECT_EQ(order(), (std::vector<int>{3, 1, 4, 2, 0}));
  SortByShift(state, core);
  EXPECT_EQ(order(), (std::vector<int>{0, 1, 2, 3, 4}));
  SortByWordCount(state, core);  // from shift order, ties stand in ascending shift
  EXPECT_EQ(order(), (std::vector<int>{1, 3, 2, 4, 0}));
  EXPECT_EQ(state.BruteTable[6].Row, 6);
  EXPECT_EQ(state.BruteTable[6].WordCount, 9u);
}

TEST_F(Engine, AnAlphabetOutOfRangeNeverIndexesPastTheTable) {
  core.AlphabetSize = 0;
  EXPECT_EQ(TrialCount(core), 0);
  core.AlphabetSize = 200;
  EXPECT_EQ(TrialCount(core), 60);
  core.MasterAlphabet.clear();  // not yet built
  EXPECT_EQ(TrialCount(core), 0);
  Analyse("ABC", 26);  // runs no trial
  EXPECT_EQ(state.BruteTable[1].TrialText, "");
}

}  // namespace
