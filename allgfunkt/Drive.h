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
  NotAFile,     // the name belongs to something other than a file; Kind says what
  FolderGone,   // the drive's folder itself is gone: the medium was taken out
};

// What stands under a file's name when it is not a file.
enum class EntryKind { Folder, Pipe, Device, Socket, Other };

// The outcome of one file operation.
struct FileResult {
  FileStatus Status = FileStatus::Done;
  int ErrorNumber = 0;                // the errno value of a SystemError
  EntryKind Kind = EntryKind::Other;  // what a NotAFile is

  bool Ok() const { return Status == FileStatus::Done; }
  static FileResult Failed(int errorNumber) { return {FileStatus::SystemError, errorNumber}; }
  static FileResult NotAFile(EntryKind kind) { return {FileStatus::NotAFile, 0, kind}; }
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
// medium or a read-only file), a text of its own for a full medium, for an
// over-long line and for a name that is no file ("GEHEIM.TXT auf Laufwerk A:
// ist keine Datei, sondern ein Ordner!"), and "E/A-Fehler <n>" with the
// system's error number for everything else. fileName is the file's name on
// the drive, such as "GEHEIM.TXT".
std::string FileErrorText(const FileResult& result, const std::string& fileName);

// Why the folder that stands for drive A: could not be made.
struct FolderProblem {
  std::string Folder;   // empty when no home folder was found to make it in
  int ErrorNumber = 0;  // the system's reason; 0 when there was no home folder
};

// The German text that tells the learner which folder could not be made and why.
std::string FolderProblemText(const FolderProblem& problem);

class Drive {
 public:
  virtual ~Drive() = default;

  // Looks for the first entry of the root directory (entries of every kind,
  // hidden ones included) and ends the search at once.
  virtual RootSearch FindFirstEntry() = 0;

  // Why the last FindFirstEntry found no medium, when the reason is that the
  // drive's folder could not be made. A drive that makes no folder has none.
  virtual std::optional<FolderProblem> CreationProblem() const { return std::nullopt; }

  // Whether the file is there. Only a clear "no such file" counts as missing:
  // when the system cannot tell, the file is taken to exist, so that saving
  // asks before it overwrites and loading reports the real error on opening.
  // Anything under the name counts, a folder or a pipe too.
  virtual bool FileExists(const std::string& name) = 0;

  // What stands under the name when it is not a file (a folder, a pipe, a
  // device), so that saving refuses it before it asks whether to overwrite;
  // nothing for a file, or for no entry at all.
  virtual std::optional<EntryKind> NotAFile(const std::string& name) = 0;

  // Creates or replaces the file with the text followed by CR LF. The file is
  // replaced in one step: when this fails, the old file is as it was. A name
  // that is no file, and a file that is read-only or that the user may not
  // write, is refused and left alone. A replaced file keeps its permissions.
  virtual FileResult WriteLine(const std::string& name, std::string_view text) = 0;

  // Reads the first line: the bytes before the first LF, without any CR,
  // decoded as the file format says (FileFormat.h). A file without LF gives its
  // whole contents, an empty file an empty text. A line of more than maxLength
  // characters is not read at all: the result is LineTooLong. A name that is no
  // file is refused without waiting for anything, a pipe without a writer too.
  virtual FirstLine ReadFirstLine(const std::string& name, std::size_t maxLength) = 0;
};
