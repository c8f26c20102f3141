#include "velsor/shell/updator_page_widget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <cmath>
#include <functional>

#include "velsor/shell/qt_message_box.h"

namespace pillora {

namespace {

QString qtText(TextView text) {
  return QString::fromStdU16String(Text(text));
}

QColor qtColour(const Rgb& colour) {
  return {colour.red, colour.green, colour.blue};
}

// The text area hands its focus on, as the page's model says.
class CaptionBox : public QPlainTextEdit {
 public:
  CaptionBox(QWidget* parent, std::function<void()> gotFocus)
      : QPlainTextEdit(parent), m_gotFocus(std::move(gotFocus)) {}

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QPlainTextEdit::focusInEvent(event);
    m_gotFocus();
  }

 private:
  std::function<void()> m_gotFocus;
};

void setColours(const Control& control, QWidget& widget) {
  QPalette palette = widget.palette();
  if (control.foreColor) {
    palette.setColor(QPalette::WindowText, qtColour(*control.foreColor));
    palette.setColor(QPalette::Text, qtColour(*control.foreColor));
  }
  if (control.backColor) palette.setColor(QPalette::Window, qtColour(*control.backColor));
  if (control.buttonFaceBack) palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  widget.setAutoFillBackground(control.backColor.has_value());
  widget.setPalette(palette);
}

}  // namespace

int toPixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

UpdatorPageWidget::UpdatorPageWidget(QWidget* parent) : QWidget(parent) {}

void UpdatorPageWidget::bind(utlUpdatorView& model) {
  m_model = &model;
  for (const Control& control : model.controls()) {
    if (QWidget* made = makeWidget(control)) m_widgets[control.name] = made;
  }
  pageChanged();
}

QWidget* UpdatorPageWidget::makeWidget(const Control& control) {
  switch (control.type) {
    case ControlType::Line:
      return nullptr;
    case ControlType::TextBox:
      return new CaptionBox(this, [this] { m_model->txtCaption_GotFocus(); });
    case ControlType::ProgressBar: {
      auto* bar = new QProgressBar(this);
      bar->setRange(0, 100);
      return bar;
    }
    case ControlType::CommandButton: {
      auto* button = new QPushButton(this);
      const bool ok = control.name == u"btnOk";
      connect(button, &QPushButton::clicked, this,
              [this, ok] { ok ? m_model->btnOk_Click() : m_model->btn取消_Click(); });
      return button;
    }
    case ControlType::Image: {
      auto* image = new QLabel(this);
      image->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
      return image;
    }
    case ControlType::Label:
      return new QLabel(this);
  }
  return nullptr;
}

QWidget* UpdatorPageWidget::widget(TextView controlName) const {
  const auto found = m_widgets.find(Text(controlName));
  return found == m_widgets.end() ? nullptr : found->second;
}

void UpdatorPageWidget::show(const Control& control, QWidget& widget) const {
  widget.setGeometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                     toPixels(control.height));
  QFont font(qtText(control.font.name));
  font.setPointSizeF(control.font.size);
  font.setBold(control.font.bold);
  widget.setFont(font);
  setColours(control, widget);
  widget.setVisible(control.visible);
  widget.setEnabled(control.enabled);
  if (auto* label = qobject_cast<QLabel*>(&widget); label != nullptr && label->pixmap().isNull()) {
    label->setText(qtText(control.caption));
  } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    button->setText(qtText(control.caption));
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(&widget);
             text != nullptr && text->toPlainText() != qtText(control.caption)) {
    text->setPlainText(qtText(control.caption));
  } else if (auto* bar = qobject_cast<QProgressBar*>(&widget)) {
    bar->setValue(m_model->progressValue());
  }
}

void UpdatorPageWidget::pageChanged() {
  setGeometry(0, 0, toPixels(m_model->width()), toPixels(m_model->height()));
  setVisible(m_model->visible());
  for (const Control& control : m_model->controls()) {
    if (QWidget* shown = widget(control.name)) show(control, *shown);
  }
  if (QWidget* focused = widget(m_model->focusedControl());
      focused != nullptr && !focused->hasFocus()) {
    focused->setFocus();
  }
  update();
}

void UpdatorPageWidget::progressShown(int /*value*/) {
  pageChanged();
}

void UpdatorPageWidget::messageShown(const Text& /*text*/) {
  pageChanged();
}

void UpdatorPageWidget::letEventsThrough() {
  QApplication::processEvents();
}

void UpdatorPageWidget::showMessageBox(const MessageBox& box) {
  showQtMessageBox(window(), box);
}

void UpdatorPageWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const Control& control : m_model->controls()) {
    if (control.type != ControlType::Line || !control.visible) continue;
    painter.setPen(qtColour(control.foreColor.value_or(Rgb{0, 0, 0})));
    painter.drawLine(toPixels(control.x1), toPixels(control.y1), toPixels(control.x2),
                     toPixels(control.y2));
  }
}

}  // namespace pillora
