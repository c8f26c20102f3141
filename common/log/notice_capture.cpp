#include "common/log/notice_capture.h"

#include <utility>

namespace pillora {

NoticeCapture::NoticeCapture(std::ostream& stream, std::string program, RunRecord& record)
    : m_stream(stream),
      m_passed(stream.rdbuf(this)),
      m_prefix(std::move(program) + ": "),
      m_record(record) {}

NoticeCapture::~NoticeCapture() {
  m_stream.rdbuf(m_passed);
  if (!m_line.empty()) endLine();
}

NoticeCapture::int_type NoticeCapture::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  if (traits_type::eq_int_type(m_passed->sputc(byte), traits_type::eof())) {
    return traits_type::eof();
  }
  take(byte);
  return c;
}

std::streamsize NoticeCapture::xsputn(const char* s, std::streamsize n) {
  const std::streamsize passed = m_passed->sputn(s, n);
  for (std::streamsize i = 0; i < passed; ++i) take(s[i]);
  return passed;
}

int NoticeCapture::sync() {
  return m_passed->pubsync();
}

void NoticeCapture::take(char c) {
  if (c == '\n') {
    endLine();
  } else {
    m_line += c;
  }
}

// Blank lines (a program's spacing) are no notices.
void NoticeCapture::endLine() {
  std::string line = std::exchange(m_line, {});
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.starts_with(m_prefix)) line.erase(0, m_prefix.size());
  if (!line.empty()) m_record.warn(fromUtf8(line));
}

}  // namespace pillora
