// Reading and writing text files: UTF-8 with a Windows-1252 fallback per line, any line ending,
// and saves that replace a file only once the new one is completely written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// The largest file the program reads (drawings, DXF, exchange files, the engine's output); a
// larger one is refused with a message, never cut off.
inline constexpr std::size_t kMaxFileBytes = std::size_t(512) << 20;

enum class ReadStatus { Ok, Missing, TooLarge, Failed };
// Reads the whole file when it holds at most maxBytes; a larger file is not read.
ReadStatus ReadWholeFile(const std::string& path, std::string& out,
                         std::size_t maxBytes = kMaxFileBytes);
// The same as a yes or no.
bool ReadFileBytes(const std::string& path, std::string& out, std::size_t maxBytes = kMaxFileBytes);
// At most the first maxBytes of the file, for readers that deal with the rest themselves.
bool ReadFilePrefix(const std::string& path, std::string& out, std::size_t maxBytes);

bool IsValidUtf8(std::string_view s);
std::string Cp1252ToUtf8(std::string_view s);
std::string Utf8ToCp1252(std::string_view s);  // characters outside Windows-1252 become '?'
// A line as UTF-8: kept when it is valid UTF-8, otherwise read as Windows-1252.
std::string DecodeLine(std::string_view raw);

// Splits at CR LF, LF or a lone CR. A final line without a line end is kept; a final line end
// does not produce an empty last line. A UTF-8 byte-order mark at the start is not text.
std::vector<std::string_view> SplitLines(std::string_view text);

// Reads a text file into decoded lines.
ReadStatus ReadTextFile(const std::string& path, std::vector<std::string>& lines);
// The same as a yes or no.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

// Writes data to a temporary file beside path and renames it over path when everything was
// written and flushed. On failure the previous file is untouched and error says why.
bool WriteFileAtomic(const std::string& path, std::string_view data, std::string* error = nullptr,
                     int* errnum = nullptr);
// The same, throwing the file error (permission denied, disk full, ...) when it fails.
void WriteFileOrThrow(const std::string& path, std::string_view data);

// Appends to a file (created when missing); false on failure.
bool AppendToFile(const std::string& path, std::string_view data);

// Number of characters (code points) in a UTF-8 string, and its first n characters.
std::size_t Utf8Length(std::string_view s);
std::string Utf8Left(std::string_view s, std::size_t n);

std::string ToUpperAscii(std::string_view s);
// Upper case for ASCII and the Latin-1 letters (å → Å), as captions need.
std::string ToUpperText(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
std::string_view Trim(std::string_view s, std::string_view chars = " \t");

}  // namespace vt
