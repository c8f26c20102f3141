#pragma once
// The label printer of this machine. Each job goes, when closeport ends it, to the CUPS
// queue the printer name names (its queue name, letter case ignored, else its description,
// printer-info) as raw printer commands; when no queue has that name, the job's commands go
// to a file <job>.tspl and a picture of each label to <job>-label1.png, <job>-label2.png,
// ... in PILLORA_OUTPUT_DIR, named after the job file and never overwriting an earlier job.
// When PILLORA_LABEL_LOG names a file, every call is appended to that label log too.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/label/label_log.h"
#include "platform/label/tspl_label_printer.h"
#include "platform/print/cups_queues.h"
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

// The queue name of the queue `printerName` names: the queue of that name (letter case
// ignored), else the queue with that description; none when there is no such queue.
std::optional<std::string> labelQueueOf(const std::vector<CupsQueue>& queues,
                                        const Text& printerName);

// A label picture as a PNG image, one pixel per dot.
std::string labelPng(const MonoBitmap& label);

}  // namespace pillora
