#include "velsor/actions/price_update_actioner.h"

#include "common/db/recordset.h"
#include "common/text/attempt.h"
#include "common/text/textfile.h"
#include "velsor/actions/action_failure.h"
#include "velsor/actions/drug_price_line.h"
#include "velsor/actions/rimora_connection.h"
#include "velsor/actions/rimora_folder.h"
#include "velsor/shell/step_list.h"
#include "velsor/shell/utl_updator_view.h"

namespace fs = std::filesystem;

namespace pillora {

namespace {

// A month's price list is some 30,000 lines of a few hundred bytes; a file far larger than
// that is no price list, and is refused before it fills the memory.
constexpr std::uintmax_t kUpdateFileMost = std::uintmax_t{256} * 1024 * 1024;

// The message shown while the file is read: only the line number changes, between a head
// and a tail made once.
Text readingMessage(std::size_t line) {
  static const Text head = u"藥價更新程序作業中．．．　(目前正處理第";
  static const Text tail =
      u"筆藥品資料。)\r\n\r\n１．更新過程中請勿中斷程式。\r\n"
      u"２．硬體規格不同,您的畫面可能會出現閃爍狀況,屬於正常情況,請勿擔心。";
  const std::string number = decimal(static_cast<std::int64_t>(line));
  Text message;
  message.reserve(head.size() + number.size() + tail.size());
  message.append(head).append(number.begin(), number.end()).append(tail);
  return message;
}

}  // namespace

Text C16180301::getDescription() {
  return u"按下「確定」按鈕後將更新本月最新異動的藥價 \r\n"
         u"本系統會保留前二個月藥價，並以「處方上的調劑日」做為判斷標準，請放心更新。\r\n\r\n"
         u"[ 申報前執行處方驗證程序時，請記得啟用「自動調整」的選項 ]。\r\n\r\n\r\n\r\n"
         u" 藥價更新程式序號 v1.0.0.6";
}

Text C16180301::getAppName() {
  return u"UP16180301.exe";
}

Text C16180301::getMesageString(std::int16_t index) {
  return stepList({{1, u"刪除現有資料庫中的藥品資料"},
                   {2, u"讀取本次更新資料檔"},
                   {3, u"新增藥品資料到資料庫中"},
                   {4, u"刪除不給付的藥品資料"},
                   {5, u"同步藥袋資訊"}},
                  index);
}

void C16180301::action(utlUpdatorView& p_form) {
  m_view = &p_form;
  try {
    const fs::path file = updateProgramFolder() / "all.puf";
    p_form.setMessgaeValue(getMesageString(1));
    p_form.setMessgaeValue(getMesageString(2));
    replaceDrugs(readUpdateFile(file));
    // Imported: the file has done its work. Should it stay, the next run imports the same.
    attempt([&] { m_files.remove(file); });
    p_form.hideForm();
    m_rimoraConnection->Close();
  } catch (const AppError& error) {
    abandon();
    failAction(m_boxes, p_form,
               {u"更新藥價作業失敗，可能的原因為：", u"錯誤", MessageBox::Icon::Critical},
               error.what());
  }
}

// The file's lines are kept as read, each decoded when it is used.
EncodedLines C16180301::readUpdateFile(const fs::path& file) {
  EncodedLines lines = readEncodedLines(pathToUtf8(file), kUpdateFileMost);
  // The count is shown once it has moved by 1 % of the lines, and for the last line.
  std::size_t shown = 0;
  for (std::size_t read = 1; read <= lines.size(); ++read) {
    m_view->letEventsThrough();
    if (shown == 0 || (read - shown) * 100 >= lines.size() || read == lines.size()) {
      m_view->setMessgaeValue(readingMessage(read));
      shown = read;
    }
  }
  // The table is emptied only for a file that refills it.
  std::size_t line = 0;
  while (line < lines.size() && !addsDrugRow(lines[line])) ++line;
  if (line == lines.size()) throw FileError("no drug-price line in " + pathToUtf8(file));
  return lines;
}

void C16180301::replaceDrugs(const EncodedLines& lines) {
  Connection& connection = getRimoraConnection();
  connection.BeginTrans();
  connection.Execute(u"DELETE FROM tblDrugs");
  m_view->setMessgaeValue(getMesageString(3));
  Recordset rs;
  rs.Open(u"SELECT * FROM tblDrugs WHERE id=-2", connection);
  const auto n = static_cast<double>(lines.size());
  for (std::size_t j = 0; j < lines.size(); ++j) {
    m_view->letEventsThrough();
    insertDrugRecord(lines[j], rs);
    m_view->setProgressBarValue(toInt16(static_cast<double>(j) / n * 100));
  }
  rs.Close();
  connection.CommitTrans();
}

// Whatever the transaction had changed is undone, and the connection let go.
void C16180301::abandon() {
  if (!m_rimoraConnection || m_rimoraConnection->State() == ObjectState::Closed) return;
  attempt([this] { m_rimoraConnection->RollbackTrans(); });
  attempt([this] { m_rimoraConnection->Close(); });
}

Connection& C16180301::getRimoraConnection() {
  if (!m_rimoraConnection) {
    auto connection = std::make_unique<Connection>();
    connection->ConnectionString(rimoraConnectionString(rimoraFolder(), m_files));
    m_rimoraConnection = std::move(connection);
  }
  if (m_rimoraConnection->State() == ObjectState::Closed) m_rimoraConnection->Open();
  return *m_rimoraConnection;
}

}  // namespace pillora
