#include "pillora/testform/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QVBoxLayout>

#include <optional>
#include <stdexcept>
#include <string>

#include "pillora/testform/command1_click.h"
#include "pillora/testform/test_window.h"
#include "platform/process/display.h"

namespace pillora {

Form1::Form1(std::function<void()> onCommand1Click)
    : m_command1(new QPushButton(QStringLiteral("Command1"), this)) {
  setWindowTitle(QStringLiteral("Form1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_command1);
  QObject::connect(m_command1, &QPushButton::clicked, this,
                   [action = std::move(onCommand1Click)] { action(); });
}

std::unique_ptr<Form1> makeTestWindow(Printers& printers, RunState& run) {
  return std::make_unique<Form1>([click = Command1Click(printers, run)] {
    if (const std::optional<Text> failure = click()) {
      QMessageBox::critical(nullptr, QString::fromStdU16String(Text(kTestFormTitle)),
                            QString::fromStdU16String(*failure));
      QApplication::exit(kClickFailedStatus);
    }
  });
}

int runTestWindow(int& argc, char** argv, Printers& printers, RunState& run) {
  if (const std::optional<std::string> missing = missingDisplay()) {
    throw std::runtime_error(*missing);
  }
  const QApplication application(argc, argv);
  const std::unique_ptr<Form1> form = makeTestWindow(printers, run);
  form->show();
  return QApplication::exec();
}

}  // namespace pillora
