// pillora-testform: the test window of the drug-bag program. Each click of its one button
// prints one sample bag on the default printer, so that the single-drug bag can be seen on
// paper without a job file.
#include <QApplication>
#include <exception>
#include <iostream>

#include "pillora/testform/form1.h"
#include "platform/print/system_printers.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  try {
    pillora::SystemPrinters printers;
    pillora::RunState run;
    const std::unique_ptr<pillora::Form1> form = pillora::makeTestWindow(printers, run);
    form->show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    std::cerr << "pillora-testform: " << error.what() << "\n";
    return 1;
  }
}
