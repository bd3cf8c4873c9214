#pragma once
// A whole text enciphered and deciphered as the main window does it with
// untouched tables: "alles verschlüsseln" on an upper-cased plaintext, and
// "sofort alle Zeichen entschlüsseln" on a ciphertext, both with the given
// shift over the alphabet in use. The lookups are the cipher core's own,
// through tables built as the main window builds them, so an exercise's
// ciphertext is the one the learner would make in the main window.
//
// They read no window: a learner who typed over a table cell changes the main
// window's tables, never these.

#include <string>
#include <string_view>

// What becomes of a plaintext character the alphabet in use lacks, as the
// main window's "Optionen für Chiffrierung" (RadioGroup2.ItemIndex) say:
// 0 "überspringen" leaves it out, 2 puts a blank in its place, any other
// value (1, "übernehmen") keeps it. Deciphering ignores the option: an
// unknown ciphertext character comes back as it is.
inline constexpr int kUnknownSkip = 0;
inline constexpr int kUnknownKeep = 1;
inline constexpr int kUnknownBlank = 2;

// alphabetSize: 26, 27, 37 or 60. shift: 0 or more; one of N or more counts
// as its remainder, as in the main window's tables.
std::string EncipherText(std::string_view plaintext, int alphabetSize, int shift,
                         int unknownOption);

// Upper-cases the ciphertext first, as the decryption steps do.
std::string DecipherText(std::string_view ciphertext, int alphabetSize, int shift);
