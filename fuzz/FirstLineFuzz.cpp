// The first-line reader of drive A:, through a real file in a temporary
// folder, against the reference: the bytes before the first LF without any
// CR, read as UTF-8 where the file format says so, refused when longer than
// the limit. The first byte of the input is the limit, the rest the file.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "allgfunkt/PosixDrive.h"
#include "fuzz/Reference.h"

namespace {

std::string ReferenceFirstLine(std::string_view file) {
  std::string bytes;
  for (const char c : file.substr(0, file.find('\n')))
    if (c != '\r') bytes.push_back(c);
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  const bool marked = bytes.starts_with(kMark);
  bool beyondAscii = false;
  for (const char c : bytes) beyondAscii |= static_cast<unsigned char>(c) >= 0x80;
  std::string text = bytes;
  if (marked || beyondAscii) {
    if (auto utf8 =
            reference::Utf8ToWindows1252(marked ? std::string_view(bytes).substr(3) : bytes))
      text = *utf8;
  }
  // Control characters read as blanks.
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return text;
}

// The folder of the file, made once and removed when the run ends. Never
// destroyed itself, so that it is still there when the removal runs.
const std::string& Folder() {
  static const std::string* folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "chiffrarium-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return new std::string(pattern);
  }();
  static const int removal = std::atexit([] { std::filesystem::remove_all(*folder); });
  (void)removal;
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t maxLength = data[0];
  const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);

  const std::string path = Folder() + "/GEHEIM.TXT";
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() ||
      std::fclose(out) != 0)
    std::abort();

  PosixDrive drive(Folder(), false);
  const FirstLine got = drive.ReadFirstLine("GEHEIM.TXT", maxLength);
  const std::string expected = ReferenceFirstLine(file);
  if (expected.size() > maxLength) {
    if (got.Text || got.Result.Status != FileStatus::LineTooLong)
      reference::Mismatch("a line over the limit was not refused");
  } else {
    if (!got.Result.Ok() || got.Text != expected) reference::Mismatch("first line");
  }
  return 0;
}
