// The installer as a user meets it: the real BxSetup.exe (and installers
// made from its stub) in its own process under Wine, driven through its
// pages; what it leaves on disk, in the shell and in the registry is read
// back afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "payload/uninstall_codes.h"
#include "res/resource.h"
#include "tests/driver/message_box.h"
#include "tests/driver/poll.h"
#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"
#include "tests/support/installed_items.h"
#include "tests/installer/installer_fixture.h"
#include "tests/installer/installer_paths.h"
#include "tests/installer/installer_run.h"

namespace {

const char kChangeHint[] =
    "Click on Change to select a different directory or type in a new directory.  Click on Next when your "
    "are ready.";
const char kNoDataHint[] = "This archive contains no data. Make sure that you downloaded it correctly.";
const char kNoDataMessage[] = "Archive contins no data. Extraction cannot continue.";
const char kOutputFileMessage[] =
    "Extractor Experienced Problems Creating Output File. Pleaseensure that you have enough space on the "
    "target drive.";
const char kOverwriteQuestion[] = "Directory already exist, overwrite";
const char kCannotCreate[] = "Unable to create directory";
const char kGroupExists[] = "Unable to program group directory";
const DWORD kNothingComesMs = 1500;  // how long a page is watched for not doing anything

// A copy of the stub with `tail` appended, as BxSetup.exe in `folder`.
std::string MakeInstallerFromStub(const std::string& folder, const std::string& tail) {
  std::string stub;
  EXPECT_TRUE(ReadWholeFile(GetBareStub(), &stub));
  CreateDirectoryA(folder.c_str(), NULL);
  std::string path = folder + "\\BxSetup.exe";
  EXPECT_TRUE(WriteWholeFile(path, stub + tail));
  return path;
}

// An archive trailer with no entries.
std::string EmptyArchiveTrailer() { return std::string(4, '\0') + "1.10" + "!QORT_SFX!"; }

class InstallerScenarioTest : public InstallerTest {
 protected:
  // Next on the Setup page, then the outcome's message box answered with OK.
  // Returns its text.
  std::string NextAndReadOutcome(CInstallerRun& run, HWND hSetup) {
    EXPECT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
    return run.AnswerBox(IDOK);
  }

  // A whole installation into the default destination; the folder window it
  // opens is closed again.
  void InstallToDefault() {
    CInstallerRun run(GetBuiltInstaller());
    HWND hSetup = run.StartAndOpenSetup();
    ASSERT_NE(hSetup, (HWND)NULL);
    ASSERT_EQ(NextAndReadOutcome(run, hSetup), "Install successfully");
    ASSERT_TRUE(run.WaitForExit());
    HWND hGroupWindow = WaitForGroupWindow();
    ASSERT_NE(hGroupWindow, (HWND)NULL);
    CloseWithCloseBox(hGroupWindow);
  }
};

TEST_F(InstallerScenarioTest, NoAtTheConfirmationShowsNoPageAndWritesNothing) {
  CInstallerRun run(GetBuiltInstaller());
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(run.AnswerBox(IDNO), kConfirmationText);
  EXPECT_TRUE(run.WaitForExit());
  EXPECT_EQ(FindTopLevelWindow(run.GetId(), kLicenceCaption, NULL, 0), (HWND)NULL);
  EXPECT_FALSE(PathExists(GetDefaultFolder()));
  ExpectNoIntegration();
}

TEST_F(InstallerScenarioTest, LicenceOpensDeclinedAndNextDoesNothingUntilAccepted) {
  CInstallerRun run(GetBuiltInstaller());
  ASSERT_TRUE(run.Start());
  HWND hLicence = run.ConfirmAndWaitForLicence();
  ASSERT_NE(hLicence, (HWND)NULL);
  EXPECT_EQ(ReadCheckState(FindControl(hLicence, IDC_DECLINE)), BST_CHECKED);
  EXPECT_EQ(ReadCheckState(FindControl(hLicence, IDC_ACCEPT)), BST_UNCHECKED);
  EXPECT_TRUE(IsEnabled(FindControl(hLicence, IDC_LICENCE_NEXT)));

  ASSERT_TRUE(ClickButton(FindControl(hLicence, IDC_LICENCE_NEXT)));
  EXPECT_EQ(FindTopLevelWindow(run.GetId(), kSetupCaption, NULL, kNothingComesMs), (HWND)NULL);
  EXPECT_EQ(run.CurrentBox(), (HWND)NULL);
  EXPECT_TRUE(IsWindow(hLicence) && IsShown(hLicence));

  EXPECT_NE(run.AcceptLicence(hLicence), (HWND)NULL);
}

struct LicenceEnding {
  const char* what;
  bool (*end)(HWND hLicence);
};

class LicenceEndingTest : public InstallerScenarioTest, public ::testing::WithParamInterface<LicenceEnding> {};

TEST_P(LicenceEndingTest, EndsTheRunWithoutSetup) {
  CInstallerRun run(GetBuiltInstaller());
  ASSERT_TRUE(run.Start());
  HWND hLicence = run.ConfirmAndWaitForLicence();
  ASSERT_NE(hLicence, (HWND)NULL);
  ASSERT_TRUE(GetParam().end(hLicence)) << GetParam().what;
  EXPECT_TRUE(run.WaitForExit()) << GetParam().what;
  EXPECT_EQ(FindTopLevelWindow(run.GetId(), kSetupCaption, NULL, 0), (HWND)NULL);
  ExpectNoIntegration();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LicenceEndingTest,
    ::testing::Values(LicenceEnding{"Cancel", [](HWND h) { return ClickButton(FindControl(h, IDCANCEL)); }},
                      LicenceEnding{"Esc", [](HWND h) { return PressEscape(h); }},
                      LicenceEnding{"close box", [](HWND h) { return CloseWithCloseBox(h); }}));

TEST_F(InstallerScenarioTest, InstallsEveryFileAndTiesItIntoTheShell) {
  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  EXPECT_EQ(ReadWindowText(FindControl(hSetup, IDC_DEST_DIR)), GetDefaultDestination());
  EXPECT_EQ(ReadWindowText(FindControl(hSetup, IDC_INSTRUCTIONS)), kChangeHint);
  HWND hFileBar = FindControl(hSetup, IDC_FILE_PROGRESS);
  HWND hTotalBar = FindControl(hSetup, IDC_TOTAL_PROGRESS);
  HWND hFileLabel = FindControl(hSetup, IDC_FILE_LABEL);
  EXPECT_FALSE(IsShown(hFileBar));
  EXPECT_FALSE(IsShown(hTotalBar));
  EXPECT_EQ(ReadWindowText(hFileLabel), "");

  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  // While the files come out: both bars shown, the label names an entry.
  std::string label;
  bool bBarsShown = false;
  ASSERT_TRUE(PollUntil([&] {
    label = ReadWindowText(hFileLabel);
    bBarsShown = bBarsShown || (IsShown(hFileBar) && IsShown(hTotalBar));
    return label.rfind("Extracting ", 0) == 0 || run.CurrentBox() != NULL;
  }));
  EXPECT_TRUE(bBarsShown);
  bool bNamesAnEntry = false;
  for (const std::string& file : GetPayloadFiles()) bNamesAnEntry |= label == "Extracting " + BareName(file);
  EXPECT_TRUE(bNamesAnEntry) << "label: " << label;

  EXPECT_EQ(run.AnswerBox(IDOK), "Install successfully");
  ASSERT_TRUE(run.WaitForExit());

  ExpectPayloadInstalledIn(GetDefaultFolder());
  const std::string target = GetDefaultDestination() + "\\Brindlewax.exe";  // two backslashes
  for (const std::string& link : {GetDesktopShortcut(), GetGroupShortcut()}) {
    ShortcutRead shortcut = ReadShortcut(link);
    EXPECT_TRUE(shortcut.bLoaded) << link;
    EXPECT_EQ(shortcut.strDescription, "Bx") << link;
    // The shell link keeps the target as the file system names it.
    EXPECT_EQ(_stricmp(shortcut.strTarget.c_str(), (GetDefaultFolder() + "\\Brindlewax.exe").c_str()), 0)
        << link << ": " << shortcut.strTarget << " (asked for " << target << ")";
  }
  EXPECT_TRUE(IsFolder(GetGroupFolder()));

  RegistryValue displayName = ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName");
  EXPECT_EQ(displayName.nType, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(displayName.data, std::string("Brindlewax", 11));
  RegistryValue uninstall = ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
  EXPECT_EQ(uninstall.nType, static_cast<DWORD>(REG_SZ));
  const std::string command = GetDefaultDestination() + "Bxuninstall.exe";
  EXPECT_EQ(uninstall.data, std::string(command.c_str(), command.size() + 1)) << "stored with its NUL";

  HWND hGroupWindow = WaitForGroupWindow();
  EXPECT_NE(hGroupWindow, (HWND)NULL) << "the program group is opened in a folder window";
}

TEST_F(InstallerScenarioTest, BackShowsTheLicenceDeclinedAndAFreshSetupEveryTime) {
  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  for (int round = 0; round < 100; ++round) {
    SCOPED_TRACE("round trip " + std::to_string(round + 1));
    HWND hEdit = FindControl(hSetup, IDC_DEST_DIR);
    ASSERT_EQ(ReadWindowText(hEdit), GetDefaultDestination());
    ASSERT_TRUE(TypeText(hEdit, "C:\\Elsewhere"));
    ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_BACK)));
    HWND hLicence = run.WaitForLicence(hSetup);
    ASSERT_NE(hLicence, (HWND)NULL);
    ASSERT_EQ(ReadCheckState(FindControl(hLicence, IDC_DECLINE)), BST_CHECKED);
    ASSERT_EQ(ReadCheckState(FindControl(hLicence, IDC_ACCEPT)), BST_UNCHECKED);
    hSetup = run.AcceptLicence(hLicence);
    ASSERT_NE(hSetup, (HWND)NULL);
  }
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDCANCEL)));
  EXPECT_TRUE(run.WaitForExit());
  ExpectNoIntegration();
}

TEST_F(InstallerScenarioTest, AnExistingDestinationIsClearedOnlyAfterYes) {
  const std::string folder = GetDefaultFolder();
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
  ASSERT_TRUE(WriteWholeFile(folder + "\\old.txt", "old"));
  ASSERT_TRUE(CreateDirectoryA((folder + "\\keep").c_str(), NULL));
  ASSERT_TRUE(WriteWholeFile(folder + "\\keep\\inside.txt", "inside"));

  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDNO), kOverwriteQuestion);
  EXPECT_TRUE(PathExists(folder + "\\old.txt"));
  EXPECT_TRUE(IsShown(hSetup));
  EXPECT_TRUE(IsShown(FindControl(hSetup, IDC_FILE_PROGRESS)));
  EXPECT_TRUE(IsShown(FindControl(hSetup, IDC_TOTAL_PROGRESS)));
  EXPECT_FALSE(PathExists(folder + "\\Readme.txt"));

  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDYES), kOverwriteQuestion);
  EXPECT_EQ(run.AnswerBox(IDOK), "Install successfully");
  ASSERT_TRUE(run.WaitForExit());
  EXPECT_FALSE(PathExists(folder + "\\old.txt"));
  std::string inside;
  EXPECT_TRUE(ReadWholeFile(folder + "\\keep\\inside.txt", &inside));
  EXPECT_EQ(inside, "inside");
  ExpectPayloadInstalledIn(folder);
}

TEST_F(InstallerScenarioTest, ASecondInstallationLeavesTheGroupAndTheKeyAsTheyWere) {
  InstallToDefault();
  ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", "marker"));
  ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", "marker too"));
  const RegistryValue markedName = ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName");
  const RegistryValue markedCommand = ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
  ASSERT_TRUE(DeleteFileA(GetDesktopShortcut().c_str()));

  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDYES), kOverwriteQuestion);
  EXPECT_EQ(run.AnswerBox(IDOK), "Install successfully");
  EXPECT_EQ(run.AnswerBox(IDOK), kGroupExists);
  ASSERT_TRUE(run.WaitForExit());

  EXPECT_TRUE(ReadShortcut(GetDesktopShortcut()).bLoaded) << "the desktop shortcut is written again";
  EXPECT_TRUE(ReadShortcut(GetGroupShortcut()).bLoaded);
  EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName").data, markedName.data);
  EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString").data, markedCommand.data);
}

struct UncreatableDestination {
  const char* what;
  const char* text;
};

class UncreatableDestinationTest : public InstallerScenarioTest,
                                   public ::testing::WithParamInterface<UncreatableDestination> {};

TEST_P(UncreatableDestinationTest, IsRefusedAndTheSetupPageStays) {
  AddScratchPath("C:\\bx-scenario");
  ASSERT_TRUE(CreateDirectoryA("C:\\bx-scenario", NULL));
  ASSERT_TRUE(WriteWholeFile("C:\\bx-scenario\\a-file", "not a folder"));

  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  ASSERT_TRUE(TypeText(FindControl(hSetup, IDC_DEST_DIR), GetParam().text));
  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDOK), kCannotCreate) << GetParam().what;
  EXPECT_TRUE(IsShown(hSetup));
  EXPECT_EQ(run.CurrentBox(), (HWND)NULL);
  EXPECT_FALSE(PathExists("C:\\bx-scenario\\two"));
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDCANCEL)));
  EXPECT_TRUE(run.WaitForExit());
  ExpectNoIntegration();
}

INSTANTIATE_TEST_SUITE_P(Texts, UncreatableDestinationTest,
                         ::testing::Values(UncreatableDestination{"an empty text", ""},
                                           UncreatableDestination{"two new levels", "C:\\bx-scenario\\two\\levels"},
                                           UncreatableDestination{"the name of a file",
                                                                  "C:\\bx-scenario\\a-file"}));

TEST_F(InstallerScenarioTest, TheBareStubOpensInTheNoDataState) {
  CInstallerRun run(GetBareStub());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  EXPECT_FALSE(IsShown(FindControl(hSetup, IDC_DEST_DIR)));
  EXPECT_FALSE(IsEnabled(FindControl(hSetup, IDC_NEXT)));
  EXPECT_FALSE(IsEnabled(FindControl(hSetup, IDC_CHANGE)));
  EXPECT_TRUE(IsEnabled(FindControl(hSetup, IDC_BACK)));
  EXPECT_EQ(ReadWindowText(FindControl(hSetup, IDC_INSTRUCTIONS)), kNoDataHint);
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDCANCEL)));
  EXPECT_TRUE(run.WaitForExit());
}

TEST_F(InstallerScenarioTest, AnArchiveWithoutEntriesEndsWithTheNoDataMessage) {
  AddScratchPath("C:\\bx-empty-archive");
  CInstallerRun run(MakeInstallerFromStub("C:\\bx-empty-archive", EmptyArchiveTrailer()));
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  EXPECT_TRUE(IsShown(FindControl(hSetup, IDC_DEST_DIR)));
  EXPECT_EQ(ReadWindowText(FindControl(hSetup, IDC_DEST_DIR)), GetDefaultDestination());
  EXPECT_EQ(NextAndReadOutcome(run, hSetup), kNoDataMessage);
  EXPECT_TRUE(run.WaitForExit());
  EXPECT_TRUE(IsFolder(GetDefaultFolder())) << "the folder was created before the extraction";
  ExpectNoIntegration();
}

TEST_F(InstallerScenarioTest, AnOutputFileThatCannotBeWrittenEndsWithoutIntegration) {
  // A folder named like an entry survives the clearing, so that entry's file
  // cannot be created.
  const std::string folder = GetDefaultFolder();
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
  ASSERT_TRUE(CreateDirectoryA((folder + "\\Readme.txt").c_str(), NULL));

  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDYES), kOverwriteQuestion);
  EXPECT_EQ(run.AnswerBox(IDOK), kOutputFileMessage);
  EXPECT_TRUE(run.WaitForExit());
  EXPECT_TRUE(PathExists(folder + "\\Brindlewax.exe")) << "the other entries were still extracted";
  ExpectNoIntegration();
}

TEST_F(InstallerScenarioTest, CancellingTheFolderBrowserKeepsTheTypedText) {
  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  HWND hEdit = FindControl(hSetup, IDC_DEST_DIR);
  ASSERT_TRUE(TypeText(hEdit, "C:\\Typed here"));
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_CHANGE)));
  HWND hBrowser = FindTopLevelWindow(run.GetId(), "Select Installation Directory");
  ASSERT_NE(hBrowser, (HWND)NULL) << "the folder browser opens with its caption";
  ASSERT_TRUE(ClickButton(FindControl(hBrowser, IDCANCEL)));
  ASSERT_TRUE(WaitForWindowGone(hBrowser));
  EXPECT_EQ(ReadWindowText(hEdit), "C:\\Typed here");
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDCANCEL)));
  EXPECT_TRUE(run.WaitForExit());
}

TEST_F(InstallerScenarioTest, AFolderChosenInTheBrowserBecomesTheDestination) {
  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_CHANGE)));
  HWND hBrowser = FindTopLevelWindow(run.GetId(), "Select Installation Directory");
  ASSERT_NE(hBrowser, (HWND)NULL);

  // The browser takes a path only from its own process's memory.
  const char kChosen[] = "C:\\windows";
  HANDLE hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, run.GetId());
  ASSERT_NE(hProcess, (HANDLE)NULL);
  void* pRemote = VirtualAllocEx(hProcess, NULL, sizeof kChosen, MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(pRemote, nullptr);
  ASSERT_TRUE(WriteProcessMemory(hProcess, pRemote, kChosen, sizeof kChosen, NULL));
  SendMessageA(hBrowser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(pRemote));
  ASSERT_TRUE(ClickButton(FindControl(hBrowser, IDOK)));
  ASSERT_TRUE(WaitForWindowGone(hBrowser));
  VirtualFreeEx(hProcess, pRemote, 0, MEM_RELEASE);
  CloseHandle(hProcess);

  HWND hEdit = FindControl(hSetup, IDC_DEST_DIR);
  ASSERT_TRUE(PollUntil([hEdit] { return ReadWindowText(hEdit) != GetDefaultDestination(); }));
  EXPECT_EQ(_stricmp(ReadWindowText(hEdit).c_str(), kChosen), 0)
      << ReadWindowText(hEdit) << ": the chosen folder, without a trailing backslash";
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDCANCEL)));
  EXPECT_TRUE(run.WaitForExit());
}

TEST_F(InstallerScenarioTest, TheInstalledUninstallerRemovesWhatTheInstallationCreated) {
  InstallToDefault();
  ASSERT_TRUE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));

  CDrivenProcess uninstaller;
  ASSERT_TRUE(uninstaller.Start("\"" + GetDefaultFolder() + "\\Bxuninstall.exe\"", "C:\\"));
  HWND hQuestion = FindMessageBox(uninstaller.GetId(), BX_UNINSTALL_CAPTION);
  ASSERT_NE(hQuestion, (HWND)NULL);
  ASSERT_TRUE(AnswerMessageBox(hQuestion, IDYES));
  ASSERT_TRUE(uninstaller.WaitForExit());
  HWND hReport = FindMessageBox(0, BX_UNINSTALL_CAPTION);
  ASSERT_NE(hReport, (HWND)NULL) << "the uninstaller reports its outcome";
  CDrivenProcess cleanup;
  ASSERT_TRUE(cleanup.Attach(GetWindowProcess(hReport)));
  ASSERT_TRUE(AnswerMessageBox(hReport, IDOK));
  ASSERT_TRUE(cleanup.WaitForExit());

  EXPECT_FALSE(PathExists(GetDefaultFolder()));
  ExpectNoIntegration();
}

}  // namespace
