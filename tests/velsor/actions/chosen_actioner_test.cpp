// Which update action velsor runs: the one VELSOR_ACTION names, the deploy action without
// it.
#include "velsor/actions/chosen_actioner.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/text/errors.h"
#include "platform/files/file_store.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/wizard_doubles.h"

namespace pillora::testing {
namespace {

TEST(ChosenActioner, VelsorActionNamesTheAction) {
  FileStore files;
  RecordingPage page;
  struct Case {
    std::optional<std::string> name;
    Text title;
    Text description;
  };
  const std::vector<Case> cases{
      {std::nullopt, u"藥袋模組更新程式",
       u"更新 Rimora 系統中藥袋上的資訊，包含適應症、副作用、警語...等"},
      {"deploy", u"藥袋模組更新程式",
       u"更新 Rimora 系統中藥袋上的資訊，包含適應症、副作用、警語...等"},
      {"exe-update", u"", u"更新Rimora"},
      {"rimora-update", u"UP27182801.exe", u"更新 Rimora 系統"},
      {"price-update", u"UP16180301.exe", u"按下「確定」按鈕後將更新本月最新異動的藥價 "},
      {"start", u"", u"更新程序啟動"},
  };
  for (const Case& c : cases) {
    const ScopedEnvironment chosen{"VELSOR_ACTION", c.name};
    const std::shared_ptr<IAction> action = chosenActioner(files, page);
    EXPECT_EQ(action->getAppName(), c.title) << c.name.value_or("unset");
    EXPECT_TRUE(action->getDescription().starts_with(c.description)) << c.name.value_or("unset");
  }
  const ScopedEnvironment unknown{"VELSOR_ACTION", "Deploy"};
  EXPECT_THROW(chosenActioner(files, page), AppError);
}

}  // namespace
}  // namespace pillora::testing
