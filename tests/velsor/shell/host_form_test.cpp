#include <gtest/gtest.h>

#include "common/text/errors.h"
#include "platform/files/file_store.h"
#include "tests/support/wizard_doubles.h"
#include "velsor/shell/frm_option_panel.h"
#include "velsor/shell/mod_updatlet.h"
#include "velsor/shell/step_list.h"
#include "velsor/shell/utl_updator_view.h"

namespace pillora::testing {
namespace {

class HostForm : public ::testing::Test {
 protected:
  RecordingPage page;
  FakeServices services;
  RecordingForm formView;
  FileStore files;
  ControlFactory factory{
      {u"QWK.utlUpdatorView", [this] { return std::make_unique<utlUpdatorView>(page, services); }}};
};

TEST_F(HostForm, MainHostsTheWizardPageWithTheDeployActionAndShowsTheForm) {
  const std::unique_ptr<frmOptionPanel> form = Main(factory, formView, files, page);
  auto* view = dynamic_cast<utlUpdatorView*>(form->getUserControl());
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(form->userControlName(), u"ComponentName");
  EXPECT_TRUE(view->visible());
  EXPECT_EQ(form->caption(), u"更新精靈");
  EXPECT_EQ(view->control(u"lblTitle").caption, u"藥袋模組更新程式");
  EXPECT_EQ(page.lines,
            std::vector<std::string>{
                "message\t更新 Rimora 系統中藥袋上的資訊，包含適應症、副作用、警語...等"});
  EXPECT_EQ(formView.shown, 1);
  // The page fills the client area, and follows it.
  EXPECT_DOUBLE_EQ(view->width(), 10245);
  EXPECT_DOUBLE_EQ(view->height(), 6030);
  form->resizeClient(7000, 5000);
  EXPECT_DOUBLE_EQ(view->width(), 7000);
  EXPECT_DOUBLE_EQ(view->height(), 5000);
}

TEST_F(HostForm, WithoutTheRegisteredPageTheFormStaysEmptyAndMainFails) {
  const ControlFactory none;
  frmOptionPanel form(none, formView);
  form.setUserControl(u"QWK.utlUpdatorView");
  EXPECT_EQ(form.getUserControl(), nullptr);
  EXPECT_EQ(form.caption(), u"Rimora Service Pack");
  EXPECT_THROW(Main(none, formView, files, page), AppError);
  EXPECT_EQ(formView.shown, 0);
}

TEST_F(HostForm, HideFormHidesAndUnloadingHappensOnce) {
  frmOptionPanel form(factory, formView);
  form.setUserControl(u"QWK.utlUpdatorView");
  dynamic_cast<utlUpdatorView&>(*form.getUserControl()).hideForm();
  EXPECT_EQ(formView.hidden, 1);
  form.unload();
  form.unload();
  EXPECT_EQ(formView.unloaded, 1);
  EXPECT_FALSE(form.loaded());
}

TEST(StepList, MarksTheCurrentStepOnly) {
  const std::vector<StepItem> items{
      {0, u"更新前置作業"}, {1, u"複製更新檔案到電腦中"}, {2, u"刪除本次更新暫存檔"}};
  EXPECT_EQ(stepList(items, 1),
            u"\t更新前置作業\r\nV\t複製更新檔案到電腦中\r\n\t刪除本次更新暫存檔\r\n");
  EXPECT_EQ(stepList(items, 7),
            u"\t更新前置作業\r\n\t複製更新檔案到電腦中\r\n\t刪除本次更新暫存檔\r\n");
  EXPECT_EQ(stepList({}, 0), u"");
}

}  // namespace
}  // namespace pillora::testing
