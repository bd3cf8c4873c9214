# Writes a C++ source that holds the bytes of a file, so that the program
# carries its practice texts inside and needs no data file beside it.
#
#   cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -DFUNCTION=<name> -DHEADER=<include> -P EmbedTextFile.cmake
#
# The source defines `std::string_view <FUNCTION>()`, declared in HEADER, which
# gives the file's bytes exactly as they are (UTF-8, no terminator counted).
foreach(var INPUT OUTPUT FUNCTION HEADER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedTextFile.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes to a line keep the generated file readable in a diff tool.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)

# A trailing zero keeps the array non-empty for an empty file; it is not counted.
file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [=[
// Generated from @name@ by uebung/EmbedTextFile.cmake at build time; edit the text file instead.
#include "@HEADER@"

namespace {
constexpr unsigned char kBytes[] = {
    @bytes@0x00};
}  // namespace

std::string_view @FUNCTION@() {
  return {reinterpret_cast<const char*>(kBytes), @size@};
}
]=])
