#include "platform/label/system_label_printer.h"

#include "platform/files/files.h"

namespace pillora {

SystemLabelPrinter::SystemLabelPrinter()
    : m_files(outputFolder()), m_tspl([this](const LabelJob& job) { deliver(job); }) {
  if (std::string logFile = environmentValue("PILLORA_LABEL_LOG"); !logFile.empty()) {
    m_log = std::make_unique<LabelLog>(lazyAppendingFileWriter(std::move(logFile)), &m_tspl);
  }
}

}  // namespace pillora
