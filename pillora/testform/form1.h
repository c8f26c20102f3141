#pragma once
// The test window: caption "Form1" and one button "Command1" that runs the given action
// on every click.
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "common/print/printer_surface.h"
#include "pillora/records/run_state.h"

namespace pillora {

class Form1 : public QWidget {
 public:
  explicit Form1(std::function<void()> onCommand1Click);

  QPushButton* Command1() const { return m_command1; }

 private:
  QPushButton* m_command1;
};

// The test window of the drug-bag program: each click prints one sample bag on the current
// printer, in documents named Form1. A failed print shows its message and ends the program
// with status 1, as an unhandled error would (command1_click.h).
std::unique_ptr<Form1> makeTestWindow(Printers& printers, RunState& run);

}  // namespace pillora
