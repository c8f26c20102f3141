#include "pillora/testform/form1.h"

#include <QVBoxLayout>

namespace pillora {

Form1::Form1(std::function<void()> onCommand1Click)
    : m_command1(new QPushButton(QStringLiteral("Command1"), this)) {
  setWindowTitle(QStringLiteral("Form1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_command1);
  QObject::connect(m_command1, &QPushButton::clicked, this,
                   [action = std::move(onCommand1Click)] { action(); });
}

}  // namespace pillora
