#include "velsor/shell/option_panel_window.h"

#include <QStyle>

#include "velsor/shell/updator_page_widget.h"

namespace pillora {

OptionPanelWindow::OptionPanelWindow() {
  setWindowTitle(QStringLiteral("Rimora Service Pack"));
  setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
  resize(toPixels(frmOptionPanel::kDesignScaleWidth), toPixels(frmOptionPanel::kDesignScaleHeight));
}

void OptionPanelWindow::bind(frmOptionPanel& form) {
  m_form = &form;
  m_form->resizeClient(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
}

void OptionPanelWindow::captionChanged(const Text& caption) {
  setWindowTitle(QString::fromStdU16String(caption));
}

void OptionPanelWindow::show() {
  QWidget::show();
}

void OptionPanelWindow::hide() {
  QWidget::hide();
}

void OptionPanelWindow::unload() {
  close();
}

void OptionPanelWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (m_form != nullptr) m_form->resizeClient(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
}

}  // namespace pillora
