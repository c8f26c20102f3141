#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/text/errors.h"
#include "common/text/log_field.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/update_folders.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/actions/deployed_names.h"
#include "velsor/actions/drug_deploy_actioner.h"
#include "velsor/actions/exe_update_actioner.h"
#include "velsor/shell/utl_updator_view.h"

namespace fs = std::filesystem;

namespace pillora::testing {
namespace {

// The real file operations, one of which fails once as a locked file or a full disk would:
// "stage" a copy to `path`, "rename" a file to `path`, "move away" the file at `path`.
class FailingFileStore : public FileStore {
 public:
  fs::path stageCopy(const fs::path& from, const fs::path& to) override {
    failIf("stage", to);
    return FileStore::stageCopy(from, to);
  }
  void rename(const fs::path& staged, const fs::path& to) override {
    failIf("move away", staged);
    failIf("rename", to);
    FileStore::rename(staged, to);
  }

  std::string operation;
  fs::path path;

 private:
  void failIf(const std::string& what, const fs::path& file) {
    if (what != operation || file != path) return;
    operation.clear();
    throw FileError("locked: " + pathToUtf8(file));
  }
};

// The failure box of the deploy as the page records it, its reason on a line below the text.
std::string failureBox(const std::string& reason) {
  return "msgbox\t更新失敗\t在進行更新程式前，請關閉目前正在執行的申報軟體。\\r\\n" +
         escapeLogField(fromUtf8(reason));
}
const std::string kCopyStep =
    "message\t\\t更新前置作業\\r\\nV\\t複製更新檔案到電腦中\\r\\n\\t刪除本次更新暫存檔\\r\\n";
const std::string kDeleteStep =
    "message\t\\t更新前置作業\\r\\n\\t複製更新檔案到電腦中\\r\\nV\\t刪除本次更新暫存檔\\r\\n";

class Actions : public ::testing::Test {
 protected:
  Actions() {
    writeBytes(pack / "a01.exe", "new program");
    writeBytes(pack / "dbDrugProfile.mdb", "new database");
    setHost(host);
  }

  void setHost(const fs::path& folder) const { setting.set(folder.u16string()); }

  std::vector<std::string> deploy() { return deploy(view); }
  std::vector<std::string> deploy(utlUpdatorView& on) {
    CDrugDeployActioner action(files, page);
    action.action(on);
    return page.lines;
  }

  // Nothing but the named files in the folder: no temporary copy is left behind.
  static std::set<std::string> names(const fs::path& folder) {
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
      found.insert(pathToUtf8(entry.path().filename()));
    }
    return found;
  }

  ScratchFolder scratch;
  fs::path pack = scratch.folder() / "pack";
  fs::path host = scratch.folder() / "Rimora";
  fs::path tools = host / "tools";
  fs::path program = tools / kDeployedProgram;
  ScopedEnvironment home{"VELSOR_HOME", pathToUtf8(pack)};
  RimoraSetting setting{scratch.folder()};
  RecordingPage page;
  FakeServices services;
  utlUpdatorView view{page, services};
  FailingFileStore files;
};

TEST_F(Actions, DeployReplacesProgramAndDatabaseAndRemovesThePayload) {
  writeBytes(program, "old program");
  writeBytes(tools / "dbDrugProfile.mdb", "old database");
  EXPECT_EQ(deploy(), (std::vector<std::string>{"progress\t30", "progress\t60", kCopyStep,
                                                kDeleteStep, "progress\t100"}));
  EXPECT_EQ(fileBytes(program), "new program");
  EXPECT_EQ(fileBytes(tools / "dbDrugProfile.mdb"), "new database");
  EXPECT_EQ(names(tools), (std::set<std::string>{kDatabaseName, kDeployedProgram}));
  EXPECT_TRUE(names(pack).empty());
}

TEST_F(Actions, DeployCreatesTheToolsFolderOrUsesOneSpelledOtherwise) {
  fs::create_directories(host);
  deploy();
  EXPECT_EQ(fileBytes(program), "new program");
  // Renamed in two steps: Wine takes a rename that changes only the letter case for none.
  fs::rename(tools, host / "renamed");
  fs::rename(host / "renamed", host / "Tools");
  writeBytes(pack / "a01.exe", "newer program");
  writeBytes(pack / "dbDrugProfile.mdb", "newer database");
  deploy();
  EXPECT_EQ(names(host), std::set<std::string>{"Tools"});
  EXPECT_EQ(fileBytes(host / "Tools" / kDeployedProgram), "newer program");
}

TEST_F(Actions, DeployStartedFromTheToolsFolderChangesNothing) {
  writeBytes(program, "old program");
  const ScopedEnvironment fromTarget("VELSOR_HOME", pathToUtf8(tools));
  EXPECT_EQ(deploy(), std::vector<std::string>{"progress\t30"});
  EXPECT_EQ(fileBytes(program), "old program");
}

TEST_F(Actions, DeployIntoAFolderWithBlanksAndChineseCharacters) {
  host = scratch.folder() / u8"藥局 系統/Rimora 2";
  setHost(host);
  fs::create_directories(host);
  deploy();
  EXPECT_TRUE(page.boxes.empty());
  EXPECT_EQ(fileBytes(host / "tools" / kDeployedProgram), "new program");
  EXPECT_EQ(fileBytes(host / "tools/dbDrugProfile.mdb"), "new database");
}

// Each case fails with the failure box and its reason, told to the page too, and leaves the
// old program, the old database and the payload as they were, byte for byte.
TEST_F(Actions, DeployThatCannotCompleteKeepsTheOldProgram) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    const char* reason;  // what the reason names
  };
  const std::vector<Case> cases{
      {"program payload missing", [this] { fs::remove(pack / "a01.exe"); }, "a01.exe"},
      {"database payload is a folder",
       [this] {
         fs::remove(pack / "dbDrugProfile.mdb");
         fs::create_directory(pack / "dbDrugProfile.mdb");
       },
       "no payload file"},
      {"setting empty", [this] { setHost(""); }, "the Rimora folder is not set"},
      {"setting absent", [this] { setting.remove(); }, "the Rimora folder is not set"},
      {"setting unreadable", [this] { setting.damage(); }, "Rimora"},
      {"old program locked",
       [this] {
         files.operation = "move away";
         files.path = program;
       },
       "locked: "},
      {"new program cannot take its name",
       [this] {
         files.operation = "rename";
         files.path = program;
       },
       "locked: "},
      {"program copy fails",
       [this] {
         files.operation = "stage";
         files.path = program;
       },
       "locked: "},
      {"database copy fails",
       [this] {
         files.operation = "stage";
         files.path = tools / "dbDrugProfile.mdb";
       },
       "locked: "},
      {"old database locked",
       [this] {
         files.operation = "rename";
         files.path = tools / "dbDrugProfile.mdb";
       },
       "locked: "},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.name);
    writeBytes(program, "old program");
    writeBytes(tools / "dbDrugProfile.mdb", "old database");
    page.lines.clear();
    each.arrange();
    utlUpdatorView caseView{page, services};
    const std::vector<std::string> lines = deploy(caseView);
    ASSERT_TRUE(caseView.failure());
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.starts_with("msgbox"); }),
              1);
    EXPECT_EQ(lines.back(), failureBox(*caseView.failure()));
    EXPECT_NE(caseView.failure()->find(each.reason), std::string::npos) << *caseView.failure();
    EXPECT_EQ(fileBytes(program), "old program");
    EXPECT_EQ(fileBytes(tools / "dbDrugProfile.mdb"), "old database");
    EXPECT_EQ(names(tools), (std::set<std::string>{kDatabaseName, kDeployedProgram}));
    // Put the payload and the settings back for the next case.
    files.operation.clear();
    setHost(host);
    fs::remove_all(pack);
    writeBytes(pack / "a01.exe", "new program");
    writeBytes(pack / "dbDrugProfile.mdb", "new database");
  }
}

class ProgramUpdate : public Actions {
 protected:
  ProgramUpdate() {
    fs::remove_all(pack);
    writeBytes(pack / "rimora.exe", "rimora");
    writeBytes(pack / "Pillora.exe", "pillora");
    writeBytes(pack / "dbDrugProfile.mdb", "database");
    fs::create_directories(host);
  }
  std::vector<std::string> update() {
    CExeUpdateActioner action(files, page);
    EXPECT_EQ(action.getAppName(), u"");
    action.action(view);
    return page.lines;
  }
};

TEST_F(ProgramUpdate, CopiesIntoTheToolsFolderThenDeletesTheSources) {
  const std::string copyStep = "message\tV\\t複製更新檔案到電腦中\\r\\n\\t刪除本次更新暫存檔\\r\\n";
  const std::string deleteStep =
      "message\t\\t複製更新檔案到電腦中\\r\\nV\\t刪除本次更新暫存檔\\r\\n";
  EXPECT_EQ(update(), (std::vector<std::string>{copyStep, "progress\t30", "progress\t60",
                                                "progress\t100", deleteStep, "progress\t30",
                                                "progress\t60", "progress\t100"}));
  EXPECT_EQ(fileBytes(host / "rimora.exe"), "rimora");
  EXPECT_EQ(fileBytes(host / "Tools" / kDeployedProgram), "pillora");
  EXPECT_EQ(fileBytes(host / "Tools/dbDrugProfile.mdb"), "database");
  EXPECT_TRUE(names(pack).empty());
}

TEST_F(ProgramUpdate, ALockedTargetKeepsItsSourceForTheNextRun) {
  files.operation = "rename";
  files.path = host / "Tools" / kDeployedProgram;
  const std::vector<std::string> lines = update();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "progress\t100"), 2);
  EXPECT_TRUE(page.boxes.empty());
  EXPECT_EQ(names(pack), std::set<std::string>{"Pillora.exe"});
  EXPECT_EQ(names(host / "Tools"), std::set<std::string>{kDatabaseName});
}

TEST_F(ProgramUpdate, AnEmptyRimoraFolderSettingWritesNothing) {
  setHost("");
  EXPECT_EQ(update(), std::vector<std::string>{failureBox("the Rimora folder is not set")});
  EXPECT_EQ(names(pack).size(), 3U);
  EXPECT_TRUE(names(host).empty());
}

}  // namespace
}  // namespace pillora::testing
