#include "velsor/shell/utl_updator_view.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/log/run_record.h"
#include "common/text/errors.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/shell/destroy_script.h"
#include "velsor/shell/frm_option_panel.h"
#include "velsor/shell/step_list.h"

namespace pillora::testing {
namespace {

class ScriptedAction : public IAction {
 public:
  Text getDescription() override { return u"說明"; }
  Text getAppName() override { return name; }
  void action(utlUpdatorView& p_form) override {
    ++runs;
    if (body) body(p_form);
  }

  Text name = u"藥袋模組更新程式";
  std::function<void(utlUpdatorView&)> body;
  int runs = 0;
};

class WizardPage : public ::testing::Test {
 protected:
  WizardPage() {
    services.times = {u"09:00:00", u"09:05:07"};
    view.setContainer(form);
    view.setActioner(action);
  }

  const Control& control(TextView name) const { return view.control(name); }

  RecordingPage page;
  FakeServices services;
  RecordingForm formView;
  ControlFactory noControls;
  frmOptionPanel form{noControls, formView};
  utlUpdatorView view{page, services};
  std::shared_ptr<ScriptedAction> action = std::make_shared<ScriptedAction>();
};

// Every left and width grows by 10245 / 6960, every top and height by 6030 / 4755; the text
// box keeps its height and takes font size 11; lines keep X1; the version label keeps 100
// twips from the right edge.
void expectGrownToHostSize(const utlUpdatorView& view) {
  const double fw = 10245.0 / 6960.0;
  const double fh = 6030.0 / 4755.0;
  for (const Control& design : designControls()) {
    const Control& now = view.control(design.name);
    SCOPED_TRACE(toUtf8(design.name));
    if (design.type == ControlType::Line) {
      EXPECT_DOUBLE_EQ(now.x1, design.x1);
      EXPECT_DOUBLE_EQ(now.x2, design.x2 * fw);
      EXPECT_DOUBLE_EQ(now.y1, design.y1 * fh);
      EXPECT_DOUBLE_EQ(now.y2, design.y2 * fh);
      continue;
    }
    EXPECT_DOUBLE_EQ(now.width, design.width * fw);
    EXPECT_DOUBLE_EQ(now.top, design.top * fh);
    const bool textBox = design.type == ControlType::TextBox;
    EXPECT_DOUBLE_EQ(now.height, textBox ? design.height : design.height * fh);
    EXPECT_DOUBLE_EQ(now.font.size, textBox ? 11 : design.font.size);
    const double left =
        design.name == u"lblAppVersion" ? 10245 - design.width * fw - 100 : design.left * fw;
    EXPECT_DOUBLE_EQ(now.left, left);
  }
}

TEST_F(WizardPage, GrowingToTheHostSizeScalesEveryControlByItsTypesRule) {
  view.move(0, 0, 10245, 6030);
  expectGrownToHostSize(view);
  EXPECT_DOUBLE_EQ(control(u"txtCaption").height, 1935);
}

TEST_F(WizardPage, ASizeBelow100TwipsChangesNothingAndTheNextPassScalesAgainstTheSizeBefore) {
  for (const auto& [width, height] : {std::pair{99.0, 6030.0}, {10245.0, 99.0}, {50.0, 50.0}}) {
    view.move(0, 0, width, height);
    EXPECT_DOUBLE_EQ(control(u"btnOk").left, 4200);
    EXPECT_DOUBLE_EQ(control(u"lblAppVersion").left, 4140);
  }
  view.move(0, 0, 10245, 6030);
  expectGrownToHostSize(view);
}

TEST_F(WizardPage, EachPassScalesTheChangeSinceTheLastPass) {
  view.move(0, 0, 8000, 5000);
  view.move(0, 0, 10245, 6030);
  EXPECT_NEAR(control(u"btnOk").left, 4200 * 10245.0 / 6960.0, 1e-9);
  EXPECT_NEAR(control(u"btnOk").height, 375 * 6030.0 / 4755.0, 1e-9);
  view.move(0, 0, 6960, 4755);  // back to the design size
  EXPECT_NEAR(control(u"btnOk").left, 4200, 1e-9);
  EXPECT_NEAR(control(u"lblAppVersion").left, 6960 - 1515 - 100, 1e-9);
}

TEST_F(WizardPage, AControlNamedFixIsLeftAlone) {
  Control fixed{.name = u"FIX_Banner", .type = ControlType::Label};
  fixed.width = 500;
  scaleControl(fixed, 2, 2);
  EXPECT_DOUBLE_EQ(fixed.width, 500);
  fixed.name = u"fix_Banner";  // the rule is case-sensitive
  scaleControl(fixed, 2, 2);
  EXPECT_DOUBLE_EQ(fixed.width, 1000);
}

TEST_F(WizardPage, ReadyShowsTheActionAndTheCreatedPageHasNoTimes) {
  EXPECT_EQ(control(u"lblTitle").caption, u"藥袋模組更新程式");
  EXPECT_EQ(control(u"txtCaption").caption, u"說明");
  EXPECT_EQ(formView.captions, std::vector<Text>{u"更新精靈"});
  EXPECT_EQ(form.caption(), u"更新精靈");
  EXPECT_EQ(control(u"Label3").caption, u"");
  EXPECT_FALSE(control(u"ProgressBar1").visible);
  EXPECT_TRUE(control(u"btnOk").enabled);
  EXPECT_EQ(control(u"btn取消").caption, u"取消");
  EXPECT_EQ(view.focusedControl(), u"btnOk");
  view.txtCaption_GotFocus();
  EXPECT_EQ(view.focusedControl(), u"btnOk");
}

TEST_F(WizardPage, RunningThenCompletedThenFinished) {
  action->body = [this](utlUpdatorView& p_form) {
    EXPECT_TRUE(control(u"ProgressBar1").visible);
    EXPECT_EQ(control(u"Label3").caption, u"開始時間：09:00:00\r\n");
    EXPECT_EQ(view.focusedControl(), u"btn取消");
    EXPECT_EQ(page.eventsLetThrough, 1);
    p_form.setProgressBarValue(100);
    p_form.fireActionCompleted();
    EXPECT_EQ(services.ended, 0);
  };
  view.btnOk_Click();
  EXPECT_EQ(action->runs, 1);
  EXPECT_FALSE(control(u"ProgressBar1").visible);
  EXPECT_EQ(control(u"btn取消").caption, u"關閉");
  EXPECT_FALSE(control(u"btnOk").enabled);
  EXPECT_FALSE(control(u"txtCaption").enabled);
  EXPECT_EQ(control(u"Label3").caption, u"開始時間：09:00:00\r\n結束時間：09:05:07");
  ASSERT_EQ(page.boxes.size(), 1U);
  EXPECT_EQ(page.boxes[0].text, u"更新作業完成，請點選「關閉」按鈕離開本精靈。");
  EXPECT_EQ(page.boxes[0].title, u"訊息");
  EXPECT_EQ(page.boxes[0].icon, MessageBox::Icon::Information);
  // Finished: the script removes the action's program file, then itself; the program ends.
  EXPECT_EQ(services.scriptPath, u"/opt/velsor/destroy.sh");
  EXPECT_EQ(services.scriptLines,
            destroyShLines(u"/opt/velsor/藥袋模組更新程式", u"/opt/velsor/destroy.sh"));
  EXPECT_EQ(services.started, std::vector<Text>{u"/opt/velsor/destroy.sh"});
  EXPECT_EQ(services.ended, 1);
  EXPECT_EQ(formView.unloaded, 0);
}

TEST_F(WizardPage, AnEmptyApplicationNameWritesNoScriptAndUnloadsTheWindow) {
  action->name.clear();
  view.btnOk_Click();
  EXPECT_TRUE(services.scriptLines.empty());
  EXPECT_TRUE(services.started.empty());
  EXPECT_EQ(formView.unloaded, 1);
  EXPECT_EQ(services.ended, 0);
}

TEST_F(WizardPage, NotClosingTheFormWritesTheScriptAndUnloads) {
  view.IsNotClosedForm(true);
  view.btnOk_Click();
  EXPECT_EQ(services.started.size(), 1U);
  EXPECT_EQ(formView.unloaded, 1);
  EXPECT_EQ(services.ended, 0);
}

TEST_F(WizardPage, AProgramFolderAtTheRootGivesASingleSeparator) {
  services.folder = u"/";
  view.btnOk_Click();
  EXPECT_EQ(services.scriptPath, u"/destroy.sh");
  EXPECT_EQ(services.scriptLines[1], u"target='/藥袋模組更新程式'");
}

TEST_F(WizardPage, TheScriptIsTheSystemsOwnBesideTheProgram) {
  struct Case {
    const ScriptForm* form;
    const char16_t* folder;
    const char16_t* script;
    const char16_t* target;
  };
  const std::vector<Case> cases{
      {&kBatchScript, u"C:\\SP", u"C:\\SP\\destroy.bat", u"C:\\SP\\藥袋模組更新程式"},
      {&kBatchScript, u"C:\\", u"C:\\destroy.bat", u"C:\\藥袋模組更新程式"},
      {&kShellScript, u"/srv/sp", u"/srv/sp/destroy.sh", u"/srv/sp/藥袋模組更新程式"},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(toUtf8(each.script));
    FakeServices system;
    system.form = each.form;
    system.folder = each.folder;
    utlUpdatorView wizard(page, system);
    wizard.setContainer(form);
    wizard.setActioner(action);
    wizard.btnOk_Click();
    EXPECT_EQ(system.scriptPath, each.script);
    EXPECT_EQ(system.scriptLines, each.form->lines(each.target, each.script));
    EXPECT_EQ(system.started, std::vector<Text>{each.script});
  }
}

TEST_F(WizardPage, ASecondOkWhileTheActionRunsStartsNothing) {
  action->body = [](utlUpdatorView& p_form) { p_form.btnOk_Click(); };
  view.btnOk_Click();
  EXPECT_EQ(action->runs, 1);
  EXPECT_EQ(services.started.size(), 1U);
  EXPECT_FALSE(view.running());
  page.duringEvents = [this] { view.btnOk_Click(); };
  view.btnOk_Click();  // a new run once the first has ended
  EXPECT_EQ(action->runs, 2);
}

TEST_F(WizardPage, AFailingActionStillEndsTheProgram) {
  action->body = [](utlUpdatorView& p_form) {
    p_form.setProgressBarValue(30);
    p_form.setProgressBarValue(101);  // refused: the action stops here
    p_form.setProgressBarValue(60);
  };
  view.btnOk_Click();
  EXPECT_EQ(page.lines, (std::vector<std::string>{"message\t說明", "progress\t30"}));
  EXPECT_EQ(view.progressValue(), 30);
  EXPECT_EQ(services.ended, 1);
  EXPECT_EQ(view.failure(), "progress value 101 outside 0 to 100");
}

TEST_F(WizardPage, TheJobLogGetsTheTimesTheStepsAndTheFirstReasonOfAFailure) {
  currentRun().clear();
  action->body = [](utlUpdatorView& p_form) {
    p_form.setMessgaeValue(stepList({{1, u"複製"}, {2, u"刪除"}}, 1));
    p_form.setMessgaeValue(stepList({{1, u"複製"}, {2, u"刪除"}}, 2));
    p_form.setMessgaeValue(stepList({{1, u"複製"}}, 3));
    p_form.actionFailed("first");
    p_form.actionFailed("second");
  };
  view.btnOk_Click();
  EXPECT_EQ(currentRun().fields(), "started=09:00:00\tstep=複製\tstep=刪除\tended=09:05:07");
  EXPECT_EQ(view.failure(), "first");
}

TEST_F(WizardPage, CloseDuringTheActionUnloadsAndTheActionRunsToItsEnd) {
  action->body = [this](utlUpdatorView& p_form) {
    view.btn取消_Click();
    p_form.setProgressBarValue(100);
  };
  view.btnOk_Click();
  EXPECT_EQ(view.progressValue(), 100);
  EXPECT_EQ(formView.unloaded, 1);  // once: the page finds no action name left
  EXPECT_EQ(services.ended, 0);
}

TEST(WizardPageScript, AppFilePathAndTheDestroyBatText) {
  EXPECT_EQ(getAppFilePath(u"C:\\", u"destroy.bat", u'\\'), u"C:\\destroy.bat");
  EXPECT_EQ(getAppFilePath(u"C:\\SP", u"destroy.bat", u'\\'), u"C:\\SP\\destroy.bat");
  EXPECT_EQ(getAppFilePath(u"/", u"destroy.sh", u'/'), u"/destroy.sh");
  const std::vector<Text> expected{u"@echo off",
                                   u":aa",
                                   u"     if exist \"C:\\SP\\a.exe\" goto bb",
                                   u"     goto cc",
                                   u":bb",
                                   u"     del \"C:\\SP\\a.exe\"",
                                   u"     cls",
                                   u"     if exist \"C:\\SP\\a.exe\" goto aa",
                                   u"     cls",
                                   u":cc",
                                   u"     del \"C:\\SP\\a.exe\"",
                                   u"     del \"C:\\SP\\destroy.bat\"",
                                   u"     cls",
                                   u"     exit"};
  EXPECT_EQ(destroyBatLines(u"C:\\SP\\a.exe", u"C:\\SP\\destroy.bat"), expected);
  // sh quoting keeps a quote and a dollar of a path literal.
  EXPECT_EQ(destroyShLines(u"/x/it's $HOME", u"/x/destroy.sh")[1], u"target='/x/it'\\''s $HOME'");
}

}  // namespace
}  // namespace pillora::testing
