#pragma once
// The wizard's message boxes as Qt message boxes.
#include <QWidget>

#include "velsor/shell/page_ports.h"

namespace pillora {

void showQtMessageBox(QWidget* parent, const MessageBox& box);

class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : m_parent(parent) {}
  void showMessageBox(const MessageBox& box) override { showQtMessageBox(m_parent, box); }

 private:
  QWidget* m_parent;
};

}  // namespace pillora
