#pragma once
// The label printer of this machine. Each job goes, when closeport ends it, as raw printer
// commands to the printer the printer name names: on Linux the CUPS queue of that queue name
// (letter case ignored), else of that description (printer-info); on Windows the Windows
// printer of that name, as a RAW document. When there is no such printer, the job's commands
// go to a file <job>.tspl in PILLORA_OUTPUT_DIR, named after the job file and never
// overwriting an earlier job, on Linux with a picture of each label beside it
// (<job>-label1.png, <job>-label2.png, ...). When PILLORA_LABEL_LOG names a file, every call
// is appended to that label log too.
#include <memory>

#include "platform/label/label_log.h"
#include "platform/label/tspl_label_printer.h"
#include "platform/print/output_files.h"

namespace pillora {

class SystemLabelPrinter {
 public:
  SystemLabelPrinter();

  // The job file the label files and print jobs are named after.
  void setJobName(const Text& jobPath) { m_files.setJobName(jobPath); }
  LabelPrinter& port() { return m_log ? static_cast<LabelPrinter&>(*m_log) : m_tspl; }

 private:
  void deliver(const LabelJob& job);

  OutputFiles m_files;
  TsplLabelPrinter m_tspl;
  std::unique_ptr<LabelLog> m_log;
};

}  // namespace pillora
