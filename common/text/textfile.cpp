#include "common/text/textfile.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "common/text/codepage.h"
#include "common/text/errors.h"

namespace pillora {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Hands each line of text to take: a line ends at CR or at CR LF.
template <typename Char, typename Take>
void forEachLine(std::basic_string_view<Char> text, const Take& take) {
  constexpr auto kCr = static_cast<Char>('\r');
  size_t from = 0;
  for (size_t at = text.find(kCr); at != std::basic_string_view<Char>::npos;
       at = text.find(kCr, from)) {
    take(text.substr(from, at - from));
    from = at + 1;
    if (from < text.size() && text[from] == static_cast<Char>('\n')) ++from;
  }
  if (from < text.size()) take(text.substr(from));
}

bool startsWithBom(std::string_view bytes) {
  return bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
}

}  // namespace

Text decodeTextFile(std::string_view bytes) {
  if (startsWithBom(bytes)) return fromUtf8(bytes.substr(kUtf8Bom.size()));
  return decodeCp950(bytes);
}

std::vector<Text> splitLines(TextView text) {
  std::vector<Text> lines;
  forEachLine(text, [&lines](TextView line) { lines.emplace_back(line); });
  return lines;
}

EncodedLines::EncodedLines(std::string bytes)
    : m_bytes(std::move(bytes)), m_utf8(startsWithBom(m_bytes)) {
  std::string_view text(m_bytes);
  if (m_utf8) text.remove_prefix(kUtf8Bom.size());
  m_lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\r')) + 1);
  forEachLine(text, [this](std::string_view line) {
    m_lines.push_back({static_cast<size_t>(line.data() - m_bytes.data()), line.size()});
  });
}

Text EncodedLines::operator[](std::size_t i) const {
  const std::string_view line = std::string_view(m_bytes).substr(m_lines[i].from, m_lines[i].size);
  return m_utf8 ? fromUtf8(line) : decodeCp950(line);
}

std::string readFileBytes(const std::string& path, std::uintmax_t most) {
  // A file known to be too large is refused unread; one that grows is stopped below.
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(pathFromUtf8(path), error);
  if (!error && size > most) {
    throw FileError("file too large: " + path + " holds " + std::to_string(size) +
                    " bytes, more than " + std::to_string(most));
  }
  std::ifstream file(pathFromUtf8(path), std::ios::binary);
  if (!file) throw FileError("file not found or not readable: " + path);
  std::string bytes;
  if (!error) bytes.reserve(static_cast<size_t>(size));
  std::array<char, 65536> chunk{};
  // Read in pieces, so that a file past the bound is refused having read no more than it.
  while (file.read(chunk.data(), chunk.size()) || file.gcount() > 0) {
    bytes.append(chunk.data(), static_cast<size_t>(file.gcount()));
    if (bytes.size() > most) {
      throw FileError("file too large: " + path + " holds more than " + std::to_string(most) +
                      " bytes");
    }
  }
  if (file.bad()) throw FileError("cannot read file: " + path);
  return bytes;
}

std::vector<Text> readTextLines(const std::string& path, std::uintmax_t most) {
  const EncodedLines encoded = readEncodedLines(path, most);
  std::vector<Text> lines;
  lines.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size(); ++i) lines.push_back(encoded[i]);
  return lines;
}

EncodedLines readEncodedLines(const std::string& path, std::uintmax_t most) {
  return EncodedLines(readFileBytes(path, most));
}

namespace {

void writeFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(pathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !file.flush()) {
    throw FileError("cannot write file: " + path);
  }
}

}  // namespace

std::string cp950LineBytes(const std::vector<Text>& lines) {
  std::string bytes;
  for (const Text& line : lines) bytes += encodeCp950(line) + "\r\n";
  return bytes;
}

std::string utf8LineBytes(const std::vector<Text>& lines) {
  std::string bytes;
  for (const Text& line : lines) bytes += toUtf8(line) + "\n";
  return bytes;
}

void writeCp950Lines(const std::string& path, const std::vector<Text>& lines) {
  writeFileBytes(path, cp950LineBytes(lines));
}

Text LineReader::next() {
  if (atEnd()) throw FileError("input past end of file");
  return m_lines[m_next++];
}

}  // namespace pillora
