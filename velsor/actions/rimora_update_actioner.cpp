#include "velsor/actions/rimora_update_actioner.h"

#include <array>
#include <chrono>
#include <thread>

#include "common/text/attempt.h"
#include "platform/process/detached_process.h"
#include "velsor/actions/action_failure.h"
#include "velsor/actions/deployed_names.h"
#include "velsor/actions/rimora_folder.h"
#include "velsor/shell/step_list.h"
#include "velsor/shell/utl_updator_view.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

// The files a service pack may carry, each copied under its own name: Rimora's program
// (always), its data files, and from kFirstQrTool on the QR-code tool files, which go to
// "tools/dtc", made just before the first of them.
constexpr std::array<const char*, 7> kPayload{
    "rimora.exe", "dbDrugsAdjustment", "icd10",    "dbHospital.mdb",
    "dbCd.mdb",   "Glyphmate.exe",     "zxing.dll"};
constexpr std::size_t kFirstQrTool = 5;
constexpr const char* kQrToolFolder = "dtc";

// The process-killer tool is given this long to end the running Rimora.
constexpr std::chrono::seconds kKillerWait{1};
constexpr std::chrono::milliseconds kEventInterval{20};

void waitLettingEventsThrough(utlUpdatorView& page, std::chrono::steady_clock::duration wait) {
  const auto end = std::chrono::steady_clock::now() + wait;
  while (std::chrono::steady_clock::now() < end) {
    page.letEventsThrough();
    std::this_thread::sleep_for(kEventInterval);
  }
}

}  // namespace

Text CRimoraUpdateActioner::getDescription() {
  return u"更新 Rimora 系統";
}

Text CRimoraUpdateActioner::getAppName() {
  return u"UP27182801.exe";
}

Text CRimoraUpdateActioner::getMessageString(std::int16_t index) {
  return copyStepList(index);
}

void CRimoraUpdateActioner::action(utlUpdatorView& p_form) {
  m_view = &p_form;
  fs::path host;
  const fs::path pack = updateProgramFolder();
  try {
    p_form.setProgressBarValue(30);
    host = rimoraFolder();
    if (!prepare(host, pack)) return;
  } catch (const AppError& error) {
    showUpdateFailure(m_boxes, p_form, error.what());
    return;
  }
  p_form.setProgressBarValue(60);
  p_form.setMessgaeValue(getMessageString(1));
  copyPayload(host, pack);
  p_form.setProgressBarValue(100);
  attempt([&] { startDetached(host / kPayload[0], {}); });
}

bool CRimoraUpdateActioner::prepare(const fs::path& host, const fs::path& pack) {
  if (pack.lexically_normal() == host.lexically_normal()) return false;
  const fs::path killer = m_files.entryIgnoringCase(host, kToolsFolder) / "Haltix.exe";
  if (m_files.isFile(killer)) {
    startDetached(killer, {"Rimora"});
    waitLettingEventsThrough(*m_view, kKillerWait);
  }
  m_files.remove(m_files.entryIgnoringCase(host, "Rimora.exe"));
  return true;
}

// A service-pack file is deleted only once its copy is in place: a failed copy keeps it
// for the next run. The program itself goes last.
void CRimoraUpdateActioner::copyPayload(const fs::path& host, const fs::path& pack) {
  const fs::path qrTools = m_files.entryIgnoringCase(host, kToolsFolder) / kQrToolFolder;
  bool programCopied = false;
  for (std::size_t i = 0; i < kPayload.size(); ++i) {
    const fs::path source = pack / kPayload[i];
    if (i > 0 && !m_files.isFile(source)) continue;
    if (i == kFirstQrTool) {
      attempt([&] {
        if (!m_files.isFolder(qrTools)) m_files.makeFolder(qrTools);
      });
    }
    const fs::path target = (i >= kFirstQrTool ? qrTools : host) / kPayload[i];
    const bool copied = attempt([&] { m_files.copyReplacing(source, target); });
    if (i == 0) {
      programCopied = copied;
    } else if (copied) {
      attempt([&] { m_files.remove(source); });
    }
  }
  m_view->setMessgaeValue(getMessageString(2));
  if (programCopied) attempt([&] { m_files.remove(pack / kPayload[0]); });
}

}  // namespace pillora
