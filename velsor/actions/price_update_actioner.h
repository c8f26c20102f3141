#pragma once
// The monthly drug-price import: replaces the rows of Rimora's tblDrugs with the usable
// lines of "all.puf" in the service pack. The old rows go and the new ones come in one
// transaction, and the file is deleted only once that is committed: a failure anywhere
// leaves the table and the file as they were.
#include <cstdint>
#include <memory>
#include <vector>

#include "common/db/connection.h"
#include "common/text/textfile.h"
#include "platform/files/file_store.h"
#include "velsor/actions/action_members.h"
#include "velsor/shell/iaction.h"
#include "velsor/shell/page_ports.h"

namespace pillora {

class C16180301 : public IAction, public ActionMembers {
 public:
  using ActionMembers::ActionMembers;

  void IsSingleAction(bool vData) { m_isSingleAction = vData; }
  bool IsSingleAction() const { return m_isSingleAction; }
  static Text getMesageString(std::int16_t index);

  Text getDescription() override;
  Text getAppName() override;
  void action(utlUpdatorView& p_form) override;

  // Rimora's database connection, opened; made on first use and kept.
  Connection& getRimoraConnection();

 private:
  EncodedLines readUpdateFile(const std::filesystem::path& file);
  void replaceDrugs(const EncodedLines& lines);
  void abandon();

  std::unique_ptr<Connection> m_rimoraConnection;
  bool m_isSingleAction = false;
};

}  // namespace pillora
