#pragma once
// The system's text files: job, receipt, settings and payload texts. They are code page
// 950 (Big5) with CR LF line ends; a file that begins with the UTF-8 byte-order mark is
// read as UTF-8. One line reader serves all of them: a line ends at CR or at CR LF, a lone
// LF stays inside the line, nothing is trimmed. Bytes that are not valid in the file's
// encoding become U+FFFD.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/text/codepage.h"
#include "common/text/text.h"

namespace pillora {

// Bytes of a file as text: UTF-8 after a byte-order mark, code page 950 otherwise.
Text decodeTextFile(std::string_view bytes);
std::vector<Text> splitLines(TextView text);

// A text file's lines, its bytes kept as read and each line decoded when it is asked for:
// the lines of a large file take no more memory than the file. They are the lines of
// splitLines(decodeTextFile(bytes)), since no character of either encoding holds the byte
// of CR.
class EncodedLines {
 public:
  explicit EncodedLines(std::string bytes);
  std::size_t size() const { return m_lines.size(); }
  // Line i, counted from 0.
  Text operator[](std::size_t i) const;

 private:
  struct Span {
    std::size_t from;
    std::size_t size;
  };
  std::string m_bytes;
  bool m_utf8;
  std::vector<Span> m_lines;
};

// Whole file; FileError when it cannot be opened or read, or when it holds more than
// `most` bytes (told before reading when its size says so, else having read no more).
inline constexpr std::uintmax_t kAnySize = UINTMAX_MAX;
std::string readFileBytes(const std::string& path, std::uintmax_t most = kAnySize);
std::vector<Text> readTextLines(const std::string& path, std::uintmax_t most = kAnySize);
EncodedLines readEncodedLines(const std::string& path, std::uintmax_t most = kAnySize);
// Lines in code page 950, each ended by CR LF.
std::string cp950LineBytes(const std::vector<Text>& lines);
// Lines in UTF-8, each ended by LF (the system's own scripts on Linux).
std::string utf8LineBytes(const std::vector<Text>& lines);
// Writes cp950LineBytes; FileError when it cannot.
void writeCp950Lines(const std::string& path, const std::vector<Text>& lines);

// Sequential reading of a text file, line by line, as the readers of the system do it.
class LineReader {
 public:
  explicit LineReader(std::vector<Text> lines) : m_lines(std::move(lines)) {}
  bool atEnd() const { return m_next >= m_lines.size(); }
  // FileError ("input past end of file") when no line is left.
  Text next();

 private:
  std::vector<Text> m_lines;
  size_t m_next = 0;
};

}  // namespace pillora
