#include "pillora/testform/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QVBoxLayout>

#include "common/text/errors.h"
#include "pillora/testform/sample_bag.h"

namespace pillora {

namespace {

constexpr int kFailed = 1;

}  // namespace

Form1::Form1(std::function<void()> onCommand1Click)
    : m_command1(new QPushButton(QStringLiteral("Command1"), this)) {
  setWindowTitle(QStringLiteral("Form1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_command1);
  QObject::connect(m_command1, &QPushButton::clicked, this,
                   [action = std::move(onCommand1Click)] { action(); });
}

std::unique_ptr<Form1> makeTestWindow(Printers& printers, RunState& run) {
  printers.setJobName(u"Form1");
  return std::make_unique<Form1>([&printers, &run] {
    try {
      printSampleBag(printers.current(), run);
    } catch (const AppError& error) {
      QMessageBox::critical(nullptr, QStringLiteral("pillora-testform"),
                            QString::fromUtf8(error.what()));
      QApplication::exit(kFailed);
    }
  });
}

}  // namespace pillora
