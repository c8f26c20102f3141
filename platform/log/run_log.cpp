#include "platform/log/run_log.h"

#include <iostream>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "platform/clock/clock.h"
#include "platform/files/files.h"
#include "platform/log/log_folder.h"

namespace fs = std::filesystem;

namespace pillora {

fs::path runLogPath(const std::string& fileName) {
  const std::string named = environmentValue("PILLORA_LOG");
  if (named.empty()) return userLogFolder() / pathFromUtf8(fileName);
  const fs::path file = pathFromUtf8(named);
  return fileName == "pillora.log" ? file : file.parent_path() / pathFromUtf8(fileName);
}

RunLog::RunLog(std::string program, std::string fileName)
    : m_program(std::move(program)), m_fileName(std::move(fileName)) {
  m_capture.emplace(std::cerr, m_program, currentRun());
}

RunLog::~RunLog() = default;

int RunLog::finish(int status) {
  m_capture.reset();
  RunRecord& record = currentRun();
  record.finish(status);
  try {
    appendLogLine(runLogPath(m_fileName), toUtf8(isoTimestamp()) + "\t" + m_program +
                                              "\tpid=" + std::to_string(currentProcessId()) + "\t" +
                                              record.fields());
  } catch (const std::exception& error) {
    std::cerr << m_program << ": " << error.what() << "\n";
  }
  return status;
}

}  // namespace pillora
