#include "password/password_gate.h"

namespace dusk {

const char* PendingCommandWord(PendingCommand command) {
  switch (command) {
    case PendingCommand::MainForm: return "mainform";
    case PendingCommand::Add: return "add";
    case PendingCommand::Delete: return "delete";
    case PendingCommand::DeleteAll: return "deleteall";
    case PendingCommand::FrmRestart: return "frmrestart";
    case PendingCommand::Exit: return "exit";
  }
  return "";
}

}  // namespace dusk
