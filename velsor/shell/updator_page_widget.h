#pragma once
// The wizard page on screen: one Qt widget per control of the page model, placed at 15
// twips per pixel, the two lines of the etched separator painted by the page itself.
#include <QWidget>
#include <map>

#include "velsor/shell/utl_updator_view.h"

namespace pillora {

inline constexpr double kTwipsPerPixel = 15;
int toPixels(double twips);

class UpdatorPageWidget : public QWidget, public PageView {
 public:
  explicit UpdatorPageWidget(QWidget* parent);

  // Makes the widgets of the model's controls; the model reports every change from then on.
  void bind(utlUpdatorView& model);
  // The widget that shows a control (none for a line).
  QWidget* widget(TextView controlName) const;

  void pageChanged() override;
  void progressShown(int value) override;
  void messageShown(const Text& text) override;
  void letEventsThrough() override;
  void showMessageBox(const MessageBox& box) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* makeWidget(const Control& control);
  void show(const Control& control, QWidget& widget) const;

  utlUpdatorView* m_model = nullptr;
  std::map<Text, QWidget*> m_widgets;
};

}  // namespace pillora
