#pragma once
// The single page of the update wizard: title and description of the installed action, a
// progress bar and a text area the action reports into, start and end times, OK and
// cancel. After the action it writes and starts the self-deleting script and ends the
// program. Toolkit-free: a view shows it, and the tests drive it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "velsor/shell/hosted_control.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_controls.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class utlUpdatorView : public HostedControl {
 public:
  utlUpdatorView(PageView& view, ProgramServices& services);

  void IsNotClosedForm(bool p_value) { m_notClosedForm = p_value; }
  // InvalidArgumentError outside 0 to 100, as the progress bar refuses such a value.
  void setProgressBarValue(std::int16_t p_value);
  void setMessgaeValue(const Text& p_value);
  void fireActionCompleted();
  void setActioner(std::shared_ptr<IAction> p_action);
  void setContainer(Container& p_container) override;
  void hideForm();
  // The action failed: the run ends as failed, with this reason (the first one told).
  void actionFailed(const std::string& reason);
  // Lets pending window events be handled once, so that the page repaints during a long
  // action and its buttons stay clickable.
  void letEventsThrough();

  // Events.
  void btnOk_Click();
  void btn取消_Click();
  void txtCaption_GotFocus();
  void setVisible(bool visible) override { m_visible = visible; }
  void move(double left, double top, double width, double height) override;

  // What a view shows.
  const std::vector<Control>& controls() const { return m_controls; }
  const Control& control(TextView name) const;
  int progressValue() const { return m_progress; }
  const Text& focusedControl() const { return m_focus; }
  bool visible() const { return m_visible; }
  double width() const { return m_width; }
  double height() const { return m_height; }
  bool running() const { return m_running; }
  const std::optional<std::string>& failure() const { return m_failure; }

 private:
  Control& edit(TextView name);
  void resizePass();
  void finishAction();
  void unloadContainer();
  void runAction();

  PageView& m_view;
  ProgramServices& m_services;
  Container* m_container = nullptr;
  std::shared_ptr<IAction> m_actioner;
  std::int32_t m_lastScaleHeight;
  std::int32_t m_lastScaleWidth;
  bool m_notClosedForm = false;
  std::vector<Control> m_controls = designControls();
  double m_width = kDesignWidth;
  double m_height = kDesignHeight;
  int m_progress = 0;
  Text m_focus = u"btnOk";
  bool m_visible = false;
  bool m_running = false;
  std::optional<std::string> m_failure;
};

}  // namespace pillora
