#include "uninstall_report.h"

std::string CUninstallReport::ComposeText() const {
  std::string strText;
  if (m_failures.empty()) {
    strText = "Brindlewax was removed from this computer.";
  } else {
    strText = "Brindlewax could not be removed completely. These items could not be removed:";
    for (const std::string& item : m_failures) strText += "\n" + item;
  }
  if (!m_keptFolders.empty()) {
    strText += "\n\nThese folders were kept because they hold other files:";
    for (const std::string& folder : m_keptFolders) strText += "\n" + folder;
  }
  return strText;
}
