// CTestInstallation: a real Brindlewax installation as the installer leaves
// it, made by a test: the payload files copied into a fresh folder on drive
// C:, the desktop shortcut and the program group with its shortcut (real
// shell link files) and the uninstall key with its values. Whatever of it is
// still there when the object goes is removed, so every scenario starts and
// ends clean.
#pragma once

#include <string>

class CTestInstallation {
 public:
  // Picks a fresh, not yet existing root folder; creates nothing yet.
  CTestInstallation();
  ~CTestInstallation();
  CTestInstallation(const CTestInstallation&) = delete;
  CTestInstallation& operator=(const CTestInstallation&) = delete;

  // Makes the installation. Returns false, with a reason in GetError(), when
  // any part of it cannot be made.
  bool Create();
  const std::string& GetError() const { return m_strError; }

  // The folder that holds the installation folder and nothing of it.
  const std::string& GetRootFolder() const { return m_strRootFolder; }
  // root + "\Brindlewax"; no trailing backslash.
  const std::string& GetInstallFolder() const { return m_strInstallFolder; }
  std::string GetInstalledFile(const std::string& name) const;
  std::string GetUninstaller() const { return GetInstalledFile("Bxuninstall.exe"); }

  static std::string GetDesktopShortcut();
  static std::string GetGroupFolder();
  static std::string GetGroupShortcut();

 private:
  bool Fail(const std::string& reason);

  std::string m_strRootFolder;
  std::string m_strInstallFolder;
  std::string m_strError;
};

// The payload file in the build folder, as a Windows path.
std::string GetBuiltPayloadFile(const std::string& name);

// Writes a shell link file at `linkPath` that points at `target`, through the
// shell link object (IShellLinkA, IPersistFile). COM must be initialised.
bool WriteShortcut(const std::string& target, const std::string& linkPath, const std::string& description);
