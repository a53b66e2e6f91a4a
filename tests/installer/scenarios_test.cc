// The installer as a user meets it: the real BxSetup.exe (and installers
// made from its stub) in its own process under Wine, driven through its
// pages; what it leaves on disk, in the shell and in the registry is read
// back afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <set>
#include <string>
#include <vector>

#include "payload/uninstall_codes.h"
#include "res/resource.h"
#include "tests/driver/message_box.h"
#include "tests/driver/poll.h"
#include "tests/driver/window_input.h"
#include "tests/driver/window_search.h"
#include "tests/driver/window_state.h"
#include "tests/support/installed_items.h"
#include "tests/installer/folder_browser.h"
#include "tests/installer/installer_fixture.h"
#include "tests/installer/installer_paths.h"
#include "tests/installer/installer_run.h"
#include "tests/installer/window_snapshot.h"

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
const char kBrowserCaption[] = "Select Installation Directory";

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

  // Next while declined, then "I accept": the page handles the two clicks in
  // that order, so once "I accept" shows checked, Next has been handled.
  HWND hAccept = FindControl(hLicence, IDC_ACCEPT);
  ASSERT_TRUE(ClickButton(FindControl(hLicence, IDC_LICENCE_NEXT)));
  ASSERT_TRUE(ClickButton(hAccept));
  ASSERT_TRUE(PollUntil([&] { return ReadCheckState(hAccept) == BST_CHECKED || !IsWindow(hLicence); }));
  EXPECT_TRUE(IsWindow(hLicence) && IsShown(hLicence)) << "Next while declined ended the page";
  EXPECT_EQ(FindTopLevelWindow(run.GetId(), kSetupCaption, NULL, 0), (HWND)NULL);
  EXPECT_EQ(run.CurrentBox(), (HWND)NULL) << "Next while declined shows no message";

  // Accepted, Next opens the Setup page.
  ASSERT_TRUE(ClickButton(FindControl(hLicence, IDC_LICENCE_NEXT)));
  EXPECT_NE(run.WaitForSetup(hLicence), (HWND)NULL);
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
  // While the files come out, until the outcome is shown: what the label
  // says and what each bar shows. The installer answers the label's text
  // request only between two steps of its extraction, so each sample is
  // taken at one of those steps.
  std::set<std::string> labels;
  std::set<ScreenPixels> fileBarPictures;
  std::set<ScreenPixels> totalBarPictures;
  ASSERT_TRUE(PollUntil([&] {
    if (run.CurrentBox() != NULL) return true;
    std::string label = ReadTextAtOnce(hFileLabel);
    if (!label.empty()) labels.insert(label);
    if (IsShown(hFileBar)) fileBarPictures.insert(CaptureFromScreen(hFileBar));
    if (IsShown(hTotalBar)) totalBarPictures.insert(CaptureFromScreen(hTotalBar));
    return false;
  })) << "no outcome was shown";
  std::set<std::string> entryLabels;
  for (const std::string& file : GetPayloadFiles()) entryLabels.insert("Extracting " + BareName(file));
  for (const std::string& label : labels) EXPECT_EQ(entryLabels.count(label), 1u) << "label: " << label;
  EXPECT_GE(labels.size(), 2u) << "the label follows the entries";
  EXPECT_GE(fileBarPictures.size(), 2u) << "the file bar moves";
  EXPECT_GE(totalBarPictures.size(), 2u) << "the total bar moves";
  // With the outcome shown the bars are hidden again and the label empty.
  EXPECT_FALSE(IsShown(hFileBar));
  EXPECT_FALSE(IsShown(hTotalBar));
  EXPECT_EQ(ReadTextAtOnce(hFileLabel), "");

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
  EXPECT_NE(WaitForGroupWindow(), (HWND)NULL);
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
  // A file of the user's in the group, and the group's shortcut as the first
  // installation wrote it.
  ASSERT_TRUE(WriteWholeFile(GetGroupFolder() + "\\user note.txt", "mine"));
  const std::vector<std::string> groupBefore = ListFolder(GetGroupFolder());
  std::string groupShortcutBefore;
  ASSERT_TRUE(ReadWholeFile(GetGroupShortcut(), &groupShortcutBefore));

  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDYES), kOverwriteQuestion);
  EXPECT_EQ(run.AnswerBox(IDOK), "Install successfully");
  EXPECT_EQ(run.AnswerBox(IDOK), kGroupExists);
  ASSERT_TRUE(run.WaitForExit());

  EXPECT_TRUE(ReadShortcut(GetDesktopShortcut()).bLoaded) << "the desktop shortcut is written again";
  EXPECT_EQ(ListFolder(GetGroupFolder()), groupBefore);
  std::string groupShortcutAfter;
  EXPECT_TRUE(ReadWholeFile(GetGroupShortcut(), &groupShortcutAfter));
  EXPECT_TRUE(groupShortcutAfter == groupShortcutBefore) << "the group's shortcut is left as it was";
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

TEST_F(InstallerScenarioTest, TheFolderBrowserOpensAtTheStoredFolderAndCancelKeepsTheTypedText) {
  // The stored (default) folder must exist for the browser to select it.
  ASSERT_TRUE(CreateDirectoryA(GetDefaultFolder().c_str(), NULL));
  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  HWND hEdit = FindControl(hSetup, IDC_DEST_DIR);
  ASSERT_TRUE(TypeText(hEdit, "C:\\Typed here"));

  // Cancel keeps what is typed. (This browse comes first on purpose: under
  // Wine the first browse window after the folder was made does not always
  // select it.)
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_CHANGE)));
  HWND hBrowser = FindTopLevelWindow(run.GetId(), kBrowserCaption);
  ASSERT_NE(hBrowser, (HWND)NULL) << "the folder browser opens with its caption";
  ASSERT_TRUE(ClickButton(FindControl(hBrowser, IDCANCEL)));
  ASSERT_TRUE(WaitForWindowGone(hBrowser));
  EXPECT_EQ(ReadWindowText(hEdit), "C:\\Typed here");

  // OK at once takes the folder the browser opened at: the stored one, not
  // the typed text.
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_CHANGE)));
  hBrowser = FindTopLevelWindow(run.GetId(), kBrowserCaption);
  ASSERT_NE(hBrowser, (HWND)NULL);
  ASSERT_TRUE(ClickButton(FindControl(hBrowser, IDOK)));
  ASSERT_TRUE(WaitForWindowGone(hBrowser));
  ASSERT_TRUE(PollUntil([hEdit] { return ReadWindowText(hEdit) != "C:\\Typed here"; }));
  EXPECT_EQ(_stricmp(ReadWindowText(hEdit).c_str(), GetDefaultFolder().c_str()), 0)
      << ReadWindowText(hEdit) << ": the stored folder, without its trailing backslash";
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDCANCEL)));
  EXPECT_TRUE(run.WaitForExit());
}

TEST_F(InstallerScenarioTest, AFolderChosenInTheBrowserIsWhereItInstalls) {
  const std::string chosen = "C:\\bx-chosen";
  AddScratchPath(chosen);
  ASSERT_TRUE(CreateDirectoryA(chosen.c_str(), NULL));
  CInstallerRun run(GetBuiltInstaller());
  HWND hSetup = run.StartAndOpenSetup();
  ASSERT_NE(hSetup, (HWND)NULL);
  HWND hEdit = FindControl(hSetup, IDC_DEST_DIR);

  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_CHANGE)));
  HWND hBrowser = FindTopLevelWindow(run.GetId(), kBrowserCaption);
  ASSERT_NE(hBrowser, (HWND)NULL) << "the folder browser opens with its caption";
  ASSERT_TRUE(SelectFolderInBrowser(run.GetId(), hBrowser, chosen));
  ASSERT_TRUE(ClickButton(FindControl(hBrowser, IDOK)));
  ASSERT_TRUE(WaitForWindowGone(hBrowser));
  ASSERT_TRUE(PollUntil([hEdit] { return ReadWindowText(hEdit) != GetDefaultDestination(); }));
  EXPECT_EQ(_stricmp(ReadWindowText(hEdit).c_str(), chosen.c_str()), 0)
      << ReadWindowText(hEdit) << ": the chosen folder, without a trailing backslash";

  // The next browse opens at the folder chosen last.
  ASSERT_TRUE(ClickButton(FindControl(hSetup, IDC_CHANGE)));
  hBrowser = FindTopLevelWindow(run.GetId(), kBrowserCaption);
  ASSERT_NE(hBrowser, (HWND)NULL);
  ASSERT_TRUE(ClickButton(FindControl(hBrowser, IDOK)));
  ASSERT_TRUE(WaitForWindowGone(hBrowser));
  EXPECT_EQ(_stricmp(ReadWindowText(hEdit).c_str(), chosen.c_str()), 0) << ReadWindowText(hEdit);

  // The chosen folder exists, so Next asks before it installs there.
  const std::string destination = ReadWindowText(hEdit);
  ASSERT_TRUE(PostButtonCommand(hSetup, IDC_NEXT));
  EXPECT_EQ(run.AnswerBox(IDYES), kOverwriteQuestion);
  EXPECT_EQ(run.AnswerBox(IDOK), "Install successfully");
  ASSERT_TRUE(run.WaitForExit());
  ExpectPayloadInstalledIn(chosen);
  EXPECT_FALSE(PathExists(GetDefaultFolder()));
  // Without a trailing backslash, one is put between folder and file name.
  ShortcutRead shortcut = ReadShortcut(GetDesktopShortcut());
  EXPECT_EQ(_stricmp(shortcut.strTarget.c_str(), (chosen + "\\Brindlewax.exe").c_str()), 0) << shortcut.strTarget;
  const std::string command = destination + "\\Bxuninstall.exe";
  EXPECT_EQ(ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString").data,
            std::string(command.c_str(), command.size() + 1));
  HWND hGroupWindow = WaitForGroupWindow();
  EXPECT_NE(hGroupWindow, (HWND)NULL);
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
