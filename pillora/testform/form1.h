#pragma once
// The test window: caption "Form1" and one button "Command1" that runs the given action
// on every click.
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace pillora {

class Form1 : public QWidget {
 public:
  explicit Form1(std::function<void()> onCommand1Click);

  QPushButton* Command1() const { return m_command1; }

 private:
  QPushButton* m_command1;
};

}  // namespace pillora
