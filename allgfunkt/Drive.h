#pragma once
// Drive A: as the diskette handlers see it: a root directory holding the files
// "GEHEIM.TXT" and "KLARTEXT.TXT". Files are named relative to the root. The
// app uses a PosixDrive over a directory; the model tests may use the same over
// a temporary directory, with failures injected below it (SystemCalls.h).
//
// Nothing here throws: every failure comes back as a value, and the handler
// that called decides what the learner sees.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the search for the first entry of the drive's root directory found.
enum class RootSearch {
  EntryFound,  // the medium is there and holds something
  Empty,       // the medium is there and readable, but holds nothing yet
  NoMedium,    // there is no diskette in the drive
  Unreadable,  // something is there, but it cannot be read
};

enum class FileStatus {
  Done,
  SystemError,  // the system refused; ErrorNumber says why
  LineTooLong,  // the first line would not fit into a text field
};

// The outcome of one file operation.
struct FileResult {
  FileStatus Status = FileStatus::Done;
  int ErrorNumber = 0;  // the errno value of a SystemError

  bool Ok() const { return Status == FileStatus::Done; }
  static FileResult Failed(int errorNumber) { return {FileStatus::SystemError, errorNumber}; }
};

// The first line of a file. Text is there as soon as the line has been read:
// when only closing the file failed afterwards, Text holds the line and Result
// the error, so the handler can fill its field before it reports the error.
struct FirstLine {
  std::optional<std::string> Text;
  FileResult Result;
};

// The German text of a failed result, as the error box shows it:
// "Dateizugriff verweigert" when access was denied (also on a write-protected
// medium), a text of its own for a full medium and for an over-long line, and
// "E/A-Fehler <n>" with the system's error number for everything else.
std::string FileErrorText(const FileResult& result);

class Drive {
 public:
  virtual ~Drive() = default;

  // Looks for the first entry of the root directory (entries of every kind,
  // hidden ones included) and ends the search at once.
  virtual RootSearch FindFirstEntry() = 0;

  // Whether the file is there. Only a clear "no such file" counts as missing:
  // when the system cannot tell, the file is taken to exist, so that saving
  // asks before it overwrites and loading reports the real error on opening.
  virtual bool FileExists(const std::string& name) = 0;

  // Creates or replaces the file with the text followed by CR LF. The file is
  // replaced in one step: when this fails, the old file is as it was.
  virtual FileResult WriteLine(const std::string& name, std::string_view text) = 0;

  // Reads the first line: the bytes before the first LF, without any CR. A file
  // without LF gives its whole contents, an empty file an empty text. A line of
  // more than maxLength characters is not read at all: the result is LineTooLong.
  virtual FirstLine ReadFirstLine(const std::string& name, std::size_t maxLength) = 0;
};
