#pragma once
// The analysis windows on paper: "Kryptoanalyse -- Einzelzeichen" with its
// values, its chart at the shift the learner slid it to and its table as
// sorted on the screen; "Brachiale Kryptoanalyse (Brute Force)" with the word
// list and its table as shown, the trials wrapped. Made from the windows'
// models as they stand.

#include <memory>

class TableDocument;
class TForm2;
class TForm3;

std::unique_ptr<TableDocument> FrequencyAnalysisPrint(const TForm2& form, char decimalSeparator);
std::unique_ptr<TableDocument> BruteForcePrint(const TForm3& form);
