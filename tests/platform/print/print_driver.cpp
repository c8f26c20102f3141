// Prints one small document through the machine's printers, the way start-up does, for the
// print-queue test script; a printer error goes to standard error as pillora reports it.
//   print_driver --list                       the printers: device name TAB queue name
//   print_driver JOBFILE [PRINTER [COMMAND]]  prints on the printer whose trimmed device or
//                                             queue name is the trimmed PRINTER (last match
//                                             wins, none: the default printer); COMMAND is run
//                                             through the shell just before the document ends
// Exit status: 0 printed, 1 printer failure, 2 usage.
#include <cstdlib>
#include <iostream>

#include "common/text/errors.h"
#include "platform/print/system_printers.h"

namespace {

using pillora::Text;

void listPrinters(pillora::Printers& printers) {
  for (const pillora::PrinterEntry& entry : printers.list()) {
    std::cout << pillora::toUtf8(entry.deviceName) << '\t' << pillora::toUtf8(entry.queueName)
              << '\n';
  }
}

void choose(pillora::Printers& printers, const Text& wanted) {
  const Text name = pillora::trimBlanks(wanted);
  const std::vector<pillora::PrinterEntry> entries = printers.list();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (pillora::trimBlanks(entries[i].deviceName) == name ||
        pillora::trimBlanks(entries[i].queueName) == name) {
      printers.choose(i);
    }
  }
}

void printSample(pillora::PrinterSurface& surface, const char* beforeEnd) {
  surface.setFontName(u"標楷體");
  surface.setFontSize(14.0F);
  surface.setCurrentX(1417.5F);
  surface.setCurrentY(963.9F);
  surface.print(u"藥袋測試");
  surface.line(567.0F, 1701.0F, 5670.0F, 1701.0F);
  if (beforeEnd != nullptr && std::system(beforeEnd) != 0) {
    std::cerr << "print_driver: the command before the end failed\n";
  }
  surface.endDoc();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::cerr << "usage: print_driver --list | JOBFILE [PRINTER [COMMAND]]\n";
    return 2;
  }
  try {
    pillora::SystemPrinters printers;
    if (std::string(argv[1]) == "--list") {
      listPrinters(printers);
      return 0;
    }
    if (argc >= 3) {
      choose(printers, pillora::fromUtf8(argv[2]));
    }
    printers.setJobName(pillora::fromUtf8(argv[1]));
    printSample(printers.current(), argc == 4 ? argv[3] : nullptr);
  } catch (const pillora::PrinterError& error) {
    std::cerr << "pillora: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
