// The Rimora update and the update start in a fake Rimora folder, with stand-in programs:
// shell scripts named "Haltix.exe" and "rimora.exe" that write down how they were started.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "common/db/sqlite_backend.h"
#include "common/text/errors.h"
#include "tests/support/update_folders.h"
#include "velsor/actions/action_impl.h"
#include "velsor/actions/rimora_update_actioner.h"

namespace fs = std::filesystem;
using std::chrono::steady_clock;

namespace pillora::testing {
namespace {

const std::string kCopyStep =
    "message\t\\t更新前置作業\\r\\nV\\t複製更新檔案到電腦中\\r\\n\\t刪除本次更新暫存檔\\r\\n";
const std::string kDeleteStep =
    "message\t\\t更新前置作業\\r\\n\\t複製更新檔案到電腦中\\r\\nV\\t刪除本次更新暫存檔\\r\\n";
const std::vector<std::string> kUpdated{"progress\t30", "progress\t60", kCopyStep, kDeleteStep,
                                        "progress\t100"};

class RimoraUpdate : public ::testing::Test, public UpdateFolders {
 protected:
  RimoraUpdate() {
    standIn(host / "tools/Haltix.exe", "killer");
    standIn(host / "rimora.exe", "old rimora");
    standIn(pack / "rimora.exe", "new rimora");
    for (const char* name : {"dbCd.mdb", "icd10", "Glyphmate.exe", "zxing.dll"})
      writeBytes(pack / name, name);
  }

  // A program that writes its name and arguments into the start log.
  void standIn(const fs::path& program, const std::string& name) {
    writeBytes(program, "#!/bin/sh\necho \"" + name + " $*\" >> '" + startLog.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);
  }

  // The start log once it holds `count` lines (started programs run on their own).
  std::string started(std::size_t count) const {
    const auto end = steady_clock::now() + std::chrono::seconds(10);
    std::string log = fileBytes(startLog);
    while (static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n')) < count &&
           steady_clock::now() < end) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      log = fileBytes(startLog);
    }
    return log;
  }

  std::chrono::milliseconds update() {
    const auto start = steady_clock::now();
    CRimoraUpdateActioner action(files, page);
    action.action(view);
    return std::chrono::duration_cast<std::chrono::milliseconds>(steady_clock::now() - start);
  }

  fs::path startLog = scratch.folder() / "started.log";
};

TEST_F(RimoraUpdate, EndsRimoraCopiesThePayloadAndStartsTheNewRimora) {
  const std::chrono::milliseconds took = update();
  EXPECT_EQ(page.lines, kUpdated);
  EXPECT_EQ(started(2), "killer Rimora\nnew rimora \n");
  EXPECT_GE(took.count(), 1000);  // the killer's second, events let through meanwhile
  EXPECT_GE(page.eventsLetThrough, 10);
  for (const auto& [target, expected] : std::vector<std::pair<fs::path, std::string>>{
           {host / "dbCd.mdb", "dbCd.mdb"},
           {host / "icd10", "icd10"},
           {host / "tools/dtc/Glyphmate.exe", "Glyphmate.exe"},
           {host / "tools/dtc/zxing.dll", "zxing.dll"}}) {
    EXPECT_EQ(fileBytes(target), expected) << target;
  }
  EXPECT_TRUE(fs::is_empty(pack));
  EXPECT_FALSE(fs::exists(host / "dbHospital.mdb"));
}

TEST_F(RimoraUpdate, WithoutTheKillerNothingWaitsAndAFailedCopyKeepsItsPayload) {
  fs::remove(host / "tools/Haltix.exe");
  writeBytes(host / "dbCd.mdb/locked", "a folder where the file should go");
  EXPECT_LT(update().count(), 1000);
  EXPECT_EQ(page.lines, kUpdated);
  EXPECT_EQ(started(1), "new rimora \n");
  EXPECT_TRUE(fs::exists(pack / "dbCd.mdb"));
  EXPECT_FALSE(fs::exists(pack / "icd10"));
  EXPECT_FALSE(fs::exists(pack / "rimora.exe"));
}

TEST_F(RimoraUpdate, FromRimorasOwnFolderOrWithoutOneNothingChanges) {
  struct Case {
    fs::path pack;
    fs::path host;
    std::vector<std::string> lines;
  };
  const std::string failure =
      "msgbox\t更新失敗\t在進行更新程式前，請關閉目前正在執行的申報軟體。\\r\\n"
      "the Rimora folder is not set";
  for (const Case& c :
       {Case{host, host, {"progress\t30"}}, Case{pack, "", {"progress\t30", failure}}}) {
    page.lines.clear();
    const ScopedEnvironment from{"VELSOR_HOME", pathToUtf8(c.pack)};
    setHost(c.host);
    update();
    EXPECT_EQ(page.lines, c.lines);
    EXPECT_NE(fileBytes(host / "rimora.exe").find("old rimora"), std::string::npos);
    EXPECT_TRUE(fs::exists(pack / "rimora.exe"));
    EXPECT_FALSE(fs::exists(startLog));
  }
}

TEST_F(RimoraUpdate, TheStartActionRunsTheUpdateOnAnOpenDatabaseAndCompletes) {
  ActionImpl start(files, page);
  EXPECT_EQ(start.getAppName(), u"");
  EXPECT_THROW(start.action(view), DatabaseError);  // no dbRimora.mdb: nothing runs
  EXPECT_TRUE(page.lines.empty());
  EXPECT_TRUE(fs::exists(pack / "rimora.exe"));

  SqliteBackend::createFile((host / "dbRimora.mdb").string())->execute(u"CREATE TABLE t (x)");
  start.action(view);
  std::vector<std::string> expected = kUpdated;
  expected.emplace_back("msgbox\t訊息\t更新作業完成，請點選「關閉」按鈕離開本精靈。");
  EXPECT_EQ(page.lines, expected);
  EXPECT_EQ(started(2), "killer Rimora\nnew rimora \n");
}

}  // namespace
}  // namespace pillora::testing
