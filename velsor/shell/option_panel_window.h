#pragma once
// The host form on screen: a top-level window whose client area the form model hosts its
// control in, at 15 twips per pixel. Closing it is always accepted.
#include <QWidget>

#include "velsor/shell/frm_option_panel.h"

namespace pillora {

class OptionPanelWindow : public QWidget, public FormView {
 public:
  OptionPanelWindow();

  // The form model this window shows; its size follows the window's from then on.
  void bind(frmOptionPanel& form);

  void captionChanged(const Text& caption) override;
  void show() override;
  void hide() override;
  void unload() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  frmOptionPanel* m_form = nullptr;
};

}  // namespace pillora
