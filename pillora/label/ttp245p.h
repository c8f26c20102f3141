#pragma once
// The TSC TTP-245 Plus label printer: up to sixteen lines of text on one or two labels,
// 60 by 150 mm, each line one column turned by 90 degrees. Keeps no state: its user makes
// one for each job.
#include <vector>

#include "common/print/label_printer.h"
#include "common/text/text.h"

namespace pillora {

inline constexpr TextView kDefaultLabelPrinter = u"TSC TTP-245 Plus";

class TTP245P {
 public:
  explicit TTP245P(LabelPrinter& port) : m_port(port) {}

  // The text between the first "<cpprinter>" and the first "</cpprinter>" of "dbp.config"
  // in the program's folder (its lines joined, tabs removed), trimmed of blanks; "TSC
  // TTP-245 Plus" when there is no such file (or it cannot be read). InvalidArgumentError
  // when the file lacks either tag or they stand the wrong way round.
  Text getPrinterName();

  // Lines 0 to 9 on the first label, each cut to 50 characters in the array; lines 10 to
  // 15 on a second label when line 10 is not empty. Empty lines leave their column blank.
  // A failure ends the label at once: the label is printed and the port closed. A shorter
  // array prints the lines it has; a printer name that cannot be read or a label the
  // printer does not take reaches the caller after that.
  void printBarLabel(std::vector<Text>& p_strContent);

 private:
  void openLabel();
  void column(int k, const Text& line);
  void endLabel();

  LabelPrinter& m_port;
};

}  // namespace pillora
