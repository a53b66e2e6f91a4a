// CUninstallReport: what the uninstaller could not remove and which folders
// it kept because they still hold files it did not install, and the message
// that tells the user about it.
#pragma once

#include <string>
#include <vector>

class CUninstallReport {
 public:
  // `item` (a path or a registry key) exists but could not be removed.
  void AddFailure(const std::string& item) { m_failures.push_back(item); }
  // `folder` was left in place because other files are still in it.
  void AddKeptFolder(const std::string& folder) { m_keptFolders.push_back(folder); }

  bool HasFailures() const { return !m_failures.empty(); }
  const std::vector<std::string>& GetFailures() const { return m_failures; }
  const std::vector<std::string>& GetKeptFolders() const { return m_keptFolders; }

  // The closing message: that Brindlewax was removed, or which items could
  // not be removed, followed by the folders that were kept, one per line.
  std::string ComposeText() const;

 private:
  std::vector<std::string> m_failures;
  std::vector<std::string> m_keptFolders;
};
