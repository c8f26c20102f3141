#pragma once
// The one interface the wizard page knows its action by, and the small context through
// which an action can be handed an open database connection.
#include <memory>

#include "common/text/text.h"

namespace pillora {

class utlUpdatorView;
class Connection;

class IAction {
 public:
  IAction() = default;
  IAction(const IAction&) = delete;
  IAction& operator=(const IAction&) = delete;
  virtual ~IAction() = default;

  // Shown in the page's text area before the action starts.
  virtual Text getDescription() = 0;
  // The whole update; returns when it is done. The page is kept for the callbacks.
  virtual void action(utlUpdatorView& p_form) = 0;
  // The page's title, and the file (in the program folder) the page's self-deleting script
  // removes after the action; empty: no script.
  virtual Text getAppName() = 0;
};

// Holds a connection for an action; whoever made the connection opens and closes it.
class clsContext {
 public:
  std::shared_ptr<Connection> getConnection() const { return m_connection; }
  void setCinnection(const std::shared_ptr<Connection>& p_conn) { m_connection = p_conn; }

 private:
  std::shared_ptr<Connection> m_connection;
};

}  // namespace pillora
