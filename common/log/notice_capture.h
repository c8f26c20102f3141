#pragma once
// Standard error as the job log sees it: every line a program writes there still reaches
// standard error, and is handed to the run's record as one of its notices, the program's
// own "name: " prefix taken off. Installed for the length of one run.
#include <ostream>
#include <streambuf>
#include <string>

#include "common/log/run_record.h"

namespace pillora {

class NoticeCapture final : public std::streambuf {
 public:
  // Captures what `stream` (std::cerr) is given from now on, into `record`.
  NoticeCapture(std::ostream& stream, std::string program, RunRecord& record);
  NoticeCapture(const NoticeCapture&) = delete;
  NoticeCapture& operator=(const NoticeCapture&) = delete;
  // Hands over an unfinished last line and gives the stream its own buffer back.
  ~NoticeCapture() override;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  void take(char c);
  void endLine();

  std::ostream& m_stream;
  std::streambuf* m_passed;  // the stream's own buffer, which every byte still reaches
  std::string m_prefix;
  RunRecord& m_record;
  std::string m_line;
};

}  // namespace pillora
