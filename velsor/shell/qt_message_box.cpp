#include "velsor/shell/qt_message_box.h"

#include <QMessageBox>

namespace pillora {

void showQtMessageBox(QWidget* parent, const MessageBox& box) {
  QMessageBox dialog(
      box.icon == MessageBox::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
      QString::fromStdU16String(box.title), QString::fromStdU16String(box.text), QMessageBox::Ok,
      parent);
  dialog.exec();
}

}  // namespace pillora
