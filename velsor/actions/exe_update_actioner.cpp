#include "velsor/actions/exe_update_actioner.h"

#include <array>
#include <filesystem>

#include "common/text/attempt.h"
#include "velsor/actions/action_failure.h"
#include "velsor/actions/deployed_names.h"
#include "velsor/actions/rimora_folder.h"
#include "velsor/shell/step_list.h"
#include "velsor/shell/utl_updator_view.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

struct Copy {
  fs::path source;
  fs::path target;
  bool done = false;
};

constexpr std::array<std::int16_t, 3> kProgress{30, 60, 100};

}  // namespace

Text CExeUpdateActioner::getDescription() {
  return u"更新Rimora";
}

Text CExeUpdateActioner::getAppName() {
  return {};
}

Text CExeUpdateActioner::getMessageString(std::int16_t index) {
  return stepList({{1, u"複製更新檔案到電腦中"}, {2, u"刪除本次更新暫存檔"}}, index);
}

void CExeUpdateActioner::action(utlUpdatorView& p_form) {
  m_view = &p_form;
  fs::path host;
  try {
    host = rimoraFolder();
  } catch (const AppError& error) {
    showUpdateFailure(m_boxes, p_form, error.what());
    return;
  }
  const fs::path tools = m_files.entryIgnoringCase(host, "Tools");
  attempt([&] {
    if (!m_files.isFolder(tools)) m_files.makeFolder(tools);
  });
  const fs::path source = updateProgramFolder();
  std::array<Copy, 3> copies{Copy{source / "rimora.exe", host / "rimora.exe"},
                             Copy{source / "Pillora.exe", tools / kDeployedProgram},
                             Copy{source / kDatabaseName, tools / kDatabaseName}};
  p_form.setMessgaeValue(getMessageString(1));
  for (std::size_t i = 0; i < copies.size(); ++i) {
    copies[i].done = attempt([&] { m_files.copyReplacing(copies[i].source, copies[i].target); });
    p_form.setProgressBarValue(kProgress[i]);
  }
  p_form.setMessgaeValue(getMessageString(2));
  // A source is deleted only once it is in place: a locked target keeps the update.
  for (std::size_t i = 0; i < copies.size(); ++i) {
    if (copies[i].done) attempt([&] { m_files.remove(copies[i].source); });
    p_form.setProgressBarValue(kProgress[i]);
  }
}

}  // namespace pillora
