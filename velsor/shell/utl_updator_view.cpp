#include "velsor/shell/utl_updator_view.h"

#include <algorithm>
#include <utility>

#include "common/log/run_record.h"
#include "common/text/attempt.h"
#include "common/text/convert.h"
#include "velsor/shell/destroy_script.h"
#include "velsor/shell/step_list.h"

namespace pillora {

namespace {

constexpr double kLeastSize = 100;      // a smaller page is not laid out
constexpr double kVersionMargin = 100;  // lblAppVersion keeps it from the right edge

// The OK handler is not entered again while it runs an action.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;
  ~RunningFlag() { m_flag = false; }

 private:
  bool& m_flag;
};

}  // namespace

utlUpdatorView::utlUpdatorView(PageView& view, ProgramServices& services)
    : m_view(view),
      m_services(services),
      m_lastScaleHeight(toInt32(kDesignHeight)),
      m_lastScaleWidth(toInt32(kDesignWidth)) {
  edit(u"Label3").caption.clear();
}

const Control& utlUpdatorView::control(TextView name) const {
  const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                  [name](const Control& c) { return c.name == name; });
  if (found == m_controls.end()) throw SubscriptError("no control " + toUtf8(name));
  return *found;
}

Control& utlUpdatorView::edit(TextView name) {
  return const_cast<Control&>(std::as_const(*this).control(name));
}

void utlUpdatorView::setProgressBarValue(std::int16_t p_value) {
  if (p_value < 0 || p_value > 100) {
    throw InvalidArgumentError("progress value " + decimal(p_value) + " outside 0 to 100");
  }
  m_progress = p_value;
  m_view.progressShown(p_value);
  m_view.pageChanged();
}

void utlUpdatorView::setMessgaeValue(const Text& p_value) {
  if (const auto step = markedStep(p_value)) currentRun().add("step", *step);
  edit(u"txtCaption").caption = p_value;
  m_view.messageShown(p_value);
  m_view.pageChanged();
}

void utlUpdatorView::fireActionCompleted() {
  edit(u"ProgressBar1").visible = false;
  edit(u"btn取消").caption = u"關閉";
  edit(u"btnOk").enabled = false;
  edit(u"txtCaption").enabled = false;
  edit(u"Label3").caption += u"結束時間：" + m_services.timeOfDay();
  m_view.pageChanged();
  m_view.showMessageBox(
      {u"更新作業完成，請點選「關閉」按鈕離開本精靈。", u"訊息", MessageBox::Icon::Information});
}

void utlUpdatorView::setActioner(std::shared_ptr<IAction> p_action) {
  m_actioner = std::move(p_action);
  setMessgaeValue(m_actioner->getDescription());
  if (m_container == nullptr) throw AppError("the wizard page has no container");
  m_container->setCaption(u"更新精靈");
  edit(u"lblTitle").caption = m_actioner->getAppName();
  m_view.pageChanged();
}

void utlUpdatorView::setContainer(Container& p_container) {
  m_container = &p_container;
}

void utlUpdatorView::hideForm() {
  attempt([this] {
    if (m_container != nullptr) m_container->hide();
  });
}

void utlUpdatorView::actionFailed(const std::string& reason) {
  if (!m_failure) m_failure = reason;
}

void utlUpdatorView::letEventsThrough() {
  attempt([this] { m_view.letEventsThrough(); });
}

void utlUpdatorView::btnOk_Click() {
  if (m_running) return;  // a second run never starts inside the first
  const RunningFlag running(m_running);
  m_focus = u"btn取消";
  const Text started = m_services.timeOfDay();
  currentRun().set("started", started);
  edit(u"Label3").caption = u"開始時間：" + started + u"\r\n";
  m_view.pageChanged();
  attempt([this] { m_view.letEventsThrough(); });
  edit(u"ProgressBar1").visible = true;
  m_view.pageChanged();
  runAction();
  finishAction();
}

void utlUpdatorView::runAction() {
  // Held here: the close button, clickable while the action lets events through, lets go
  // of the page's own reference.
  const std::shared_ptr<IAction> action = m_actioner;
  if (!action) return;
  // Whatever the action lets out, the page goes on to its end; the run has failed.
  try {
    action->action(*this);
  } catch (const AppError& error) {
    actionFailed(error.what());
  }
}

void utlUpdatorView::finishAction() {
  currentRun().set("ended", m_services.timeOfDay());
  Text name;
  attempt([this, &name] {
    if (m_actioner) name = m_actioner->getAppName();
  });
  if (name.empty()) {
    unloadContainer();
    return;
  }
  const ScriptForm& form = m_services.scriptForm();
  const Text folder = m_services.programFolder();
  const Text target = getAppFilePath(folder, name, form.separator);
  const Text script = getAppFilePath(folder, form.fileName, form.separator);
  attempt([&] { m_services.writeScript(script, form.lines(target, script)); });
  attempt([&] { m_services.startScript(script); });
  if (m_notClosedForm) {
    unloadContainer();
  } else {
    m_services.endProgram();
  }
}

void utlUpdatorView::unloadContainer() {
  if (m_container != nullptr) m_container->unload();
}

void utlUpdatorView::btn取消_Click() {
  unloadContainer();
  m_actioner.reset();
}

void utlUpdatorView::txtCaption_GotFocus() {
  m_focus = u"btnOk";
  m_view.pageChanged();
}

void utlUpdatorView::move(double /*left*/, double /*top*/, double width, double height) {
  if (width == m_width && height == m_height) return;
  m_width = width;
  m_height = height;
  resizePass();
}

void utlUpdatorView::resizePass() {
  if (m_height < kLeastSize || m_width < kLeastSize) return;
  const double fw = m_width / m_lastScaleWidth;
  const double fh = m_height / m_lastScaleHeight;
  for (Control& each : m_controls) scaleControl(each, fw, fh);
  m_lastScaleHeight = toInt32(m_height);
  m_lastScaleWidth = toInt32(m_width);
  Control& version = edit(u"lblAppVersion");
  version.left = m_width - version.width - kVersionMargin;
  m_view.pageChanged();
}

}  // namespace pillora
