#include "velsor/shell/frm_option_panel.h"

namespace pillora {

frmOptionPanel::frmOptionPanel(const ControlFactory& factory, FormView& view)
    : m_factory(factory), m_view(view) {}

void frmOptionPanel::setUserControl(const Text& p_strControlName) {
  const auto registered = m_factory.find(p_strControlName);
  if (registered == m_factory.end()) return;
  m_userControl = registered->second();
  m_userControlName = u"ComponentName";
  m_userControl->setVisible(true);
  Form_Resize();
  m_userControl->setContainer(*this);
}

void frmOptionPanel::resizeClient(double scaleWidth, double scaleHeight) {
  m_scaleWidth = scaleWidth;
  m_scaleHeight = scaleHeight;
  Form_Resize();
}

void frmOptionPanel::Form_Resize() {
  if (m_userControl) m_userControl->move(0, 0, m_scaleWidth, m_scaleHeight);
}

void frmOptionPanel::show() {
  m_view.show();
}

void frmOptionPanel::setCaption(const Text& caption) {
  m_caption = caption;
  m_view.captionChanged(caption);
}

void frmOptionPanel::hide() {
  m_view.hide();
}

void frmOptionPanel::unload() {
  if (!m_loaded) return;
  m_loaded = false;
  m_view.unload();
}

}  // namespace pillora
