#include "velsor/actions/drug_deploy_actioner.h"

#include <vector>

#include "common/text/attempt.h"
#include "velsor/actions/action_failure.h"
#include "velsor/actions/deployed_names.h"
#include "velsor/actions/rimora_folder.h"
#include "velsor/shell/step_list.h"
#include "velsor/shell/utl_updator_view.h"

namespace fs = std::filesystem;

namespace pillora {

Text CDrugDeployActioner::getDescription() {
  return u"更新 Rimora 系統中藥袋上的資訊，包含適應症、副作用、警語...等";
}

Text CDrugDeployActioner::getAppName() {
  return u"藥袋模組更新程式";
}

Text CDrugDeployActioner::getMessageString(std::int16_t index) {
  return copyStepList(index);
}

void CDrugDeployActioner::action(utlUpdatorView& p_form) {
  m_view = &p_form;
  std::optional<Paths> paths;
  try {
    p_form.setProgressBarValue(30);
    paths = prepare();
    if (!paths) return;
    p_form.setProgressBarValue(60);
    p_form.setMessgaeValue(getMessageString(1));
    replaceTargets(*paths);
  } catch (const AppError& error) {
    showUpdateFailure(m_boxes, p_form, error.what());
    return;
  }
  p_form.setMessgaeValue(getMessageString(2));
  attempt([&] { m_files.remove(paths->sourceProgram); });
  attempt([&] { m_files.remove(paths->sourceDatabase); });
  p_form.setProgressBarValue(100);
}

std::optional<CDrugDeployActioner::Paths> CDrugDeployActioner::prepare() {
  const fs::path target = m_files.entryIgnoringCase(rimoraFolder(), kToolsFolder);
  if (!m_files.isFolder(target)) m_files.makeFolder(target);
  const fs::path source = updateProgramFolder();
  if (source.lexically_normal() == target.lexically_normal()) return std::nullopt;
  Paths paths{source / kProgramPayload, source / kDatabaseName, target / kDeployedProgram,
              target / kDatabaseName};
  // Both payload files must be there before anything at the target changes.
  for (const fs::path& payload : {paths.sourceProgram, paths.sourceDatabase}) {
    if (!m_files.isFile(payload)) throw FileError("no payload file " + payload.string());
  }
  return paths;
}

// Both files are copied in full under temporary names first. Then the old program is set
// aside, and the new program and the new database take their names. Should either fail, the
// old program comes back: the program and the database in place always belong together.
void CDrugDeployActioner::replaceTargets(const Paths& paths) {
  std::vector<fs::path> staged;
  std::optional<fs::path> oldProgram;
  bool newProgramInPlace = false;
  try {
    staged.push_back(m_files.stageCopy(paths.sourceProgram, paths.targetProgram));
    staged.push_back(m_files.stageCopy(paths.sourceDatabase, paths.targetDatabase));
    oldProgram = m_files.setAside(paths.targetProgram);
    m_files.rename(staged[0], paths.targetProgram);
    newProgramInPlace = true;
    m_files.rename(staged[1], paths.targetDatabase);
  } catch (const AppError&) {
    if (oldProgram) {
      attempt([&] { m_files.rename(*oldProgram, paths.targetProgram); });
    } else if (newProgramInPlace) {
      attempt([&] { m_files.remove(paths.targetProgram); });
    }
    for (const fs::path& copy : staged) attempt([&] { m_files.remove(copy); });
    throw;
  }
  if (oldProgram) attempt([&] { m_files.remove(*oldProgram); });
}

}  // namespace pillora
