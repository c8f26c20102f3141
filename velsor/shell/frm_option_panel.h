#pragma once
// The wizard's top-level window: it hosts one control, created from its registered name,
// that always fills the client area.
#include <functional>
#include <map>
#include <memory>

#include "velsor/shell/hosted_control.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

// Registered control names and what creates each.
using ControlFactory = std::map<Text, std::function<std::unique_ptr<HostedControl>()>>;

class frmOptionPanel : public Container {
 public:
  // Client area at design, twips.
  static constexpr double kDesignScaleWidth = 10245;
  static constexpr double kDesignScaleHeight = 6030;

  frmOptionPanel(const ControlFactory& factory, FormView& view);

  // Creates the control registered under the name, shows it, lays it out and tells it its
  // container; a name nothing is registered under leaves the form empty.
  void setUserControl(const Text& p_strControlName);
  HostedControl* getUserControl() const { return m_userControl.get(); }
  const Text& userControlName() const { return m_userControlName; }
  void hideForm() { hide(); }

  // The window's client area changed size (twips).
  void resizeClient(double scaleWidth, double scaleHeight);
  void show();

  void setCaption(const Text& caption) override;
  void hide() override;
  void unload() override;

  const Text& caption() const { return m_caption; }
  bool loaded() const { return m_loaded; }
  double scaleWidth() const { return m_scaleWidth; }
  double scaleHeight() const { return m_scaleHeight; }

 private:
  void Form_Resize();

  const ControlFactory& m_factory;
  FormView& m_view;
  std::unique_ptr<HostedControl> m_userControl;
  Text m_userControlName;
  Text m_caption = u"Rimora Service Pack";
  double m_scaleWidth = kDesignScaleWidth;
  double m_scaleHeight = kDesignScaleHeight;
  bool m_loaded = true;
};

}  // namespace pillora
