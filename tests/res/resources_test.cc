// The installer's resources, read back from a built module: the bytes of
// both dialog templates (parsed), the string table, the banner, the icon
// images, the version resource, their languages, and no manifest.
//
// The module is this test program (which links the resources) unless the
// environment variable BX_INSPECT_MODULE names another executable, which is
// then loaded as a data file and checked the same way.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "framework/string.h"
#include "res/resource.h"

namespace {

const WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
static_assert(kEnglishUs == 1033, "resources are stored under language 1033");

// The identifiers as the installer's code sees them.
static_assert(IDD_SETUP == 102 && IDD_LICENCE == 131, "dialog ids");
static_assert(IDR_MAINFRAME == 128 && IDB_BANNER == 134, "icon and bitmap ids");
static_assert(IDC_NEXT == 1000 && IDC_CHANGE == 1001 && IDC_DEST_DIR == 1002 &&
                  IDC_TOTAL_PROGRESS == 1003 && IDC_BACK == 1004 && IDC_FILE_PROGRESS == 1005 &&
                  IDC_TOTAL_LABEL == 1007 && IDC_FILE_LABEL == 1008 && IDC_INSTRUCTIONS == 1009 &&
                  IDC_LICENCE_NEXT == 1008 && IDC_ACCEPT == 1010 && IDC_DECLINE == 1011,
              "control ids");
static_assert(IDS_CHANGE_HINT == 1 && IDS_NO_DATA_HINT == 2 && IDS_NO_DATA == 3 &&
                  IDS_OUTPUT_FILE_ERROR == 4 && IDS_INTERNAL_ERROR == 5 &&
                  IDS_INSTALL_SUCCESS == 6,
              "string ids");

// --- the module under inspection --------------------------------------------

const char* InspectedPath() { return std::getenv("BX_INSPECT_MODULE"); }

bool InspectingSelf() {
  const char* pszPath = InspectedPath();
  return pszPath == nullptr || *pszPath == '\0';
}

HMODULE InspectedModule() {
  static HMODULE s_hModule =
      InspectingSelf() ? GetModuleHandleA(nullptr)
                       : LoadLibraryExA(InspectedPath(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  return s_hModule;
}

std::string InspectedFileName() {
  if (!InspectingSelf()) return InspectedPath();
  char szPath[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, szPath, MAX_PATH);
  return szPath;
}

// The bytes of resource (type, name) in language 1033; empty when missing.
std::vector<unsigned char> ResourceBytes(LPCSTR type, LPCSTR name) {
  HMODULE hModule = InspectedModule();
  HRSRC hResource = FindResourceExA(hModule, type, name, kEnglishUs);
  if (hResource == nullptr) return {};
  HGLOBAL hData = LoadResource(hModule, hResource);
  const unsigned char* pData = static_cast<const unsigned char*>(LockResource(hData));
  if (pData == nullptr) return {};
  return std::vector<unsigned char>(pData, pData + SizeofResource(hModule, hResource));
}

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(InspectedModule(), nullptr) << InspectedFileName(); }
};

// --- resource directory ------------------------------------------------------

struct ResourceName {
  std::string strType;  // "#n" for a numbered type
  std::string strName;  // "#n" for a numbered resource
  WORD nLanguage;
  bool operator<(const ResourceName& other) const {
    return std::tie(strType, strName, nLanguage) <
           std::tie(other.strType, other.strName, other.nLanguage);
  }
};

std::string NameText(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  return name;
}

// State of one walk over the resource directory.
struct ResourceWalk {
  std::vector<ResourceName> found;
  std::string strType, strName;
};

BOOL CALLBACK NoteLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
  ResourceWalk* pWalk = reinterpret_cast<ResourceWalk*>(param);
  pWalk->found.push_back({pWalk->strType, pWalk->strName, language});
  return TRUE;
}

BOOL CALLBACK WalkName(HMODULE hModule, LPCSTR type, LPSTR name, LONG_PTR param) {
  reinterpret_cast<ResourceWalk*>(param)->strName = NameText(name);
  EnumResourceLanguagesA(hModule, type, name, NoteLanguage, param);
  return TRUE;
}

BOOL CALLBACK WalkType(HMODULE hModule, LPSTR type, LONG_PTR param) {
  reinterpret_cast<ResourceWalk*>(param)->strType = NameText(type);
  EnumResourceNamesA(hModule, type, WalkName, param);
  return TRUE;
}

// Every resource of the module with its language.
std::vector<ResourceName> AllResources() {
  ResourceWalk walk;
  EnumResourceTypesA(InspectedModule(), WalkType, reinterpret_cast<LONG_PTR>(&walk));
  return walk.found;
}

TEST_F(ModuleTest, EveryResourceIsInLanguage1033) {
  std::vector<ResourceName> resources = AllResources();
  ASSERT_FALSE(resources.empty());
  for (const ResourceName& resource : resources)
    EXPECT_EQ(resource.nLanguage, 1033) << resource.strType << " " << resource.strName;
}

TEST_F(ModuleTest, CarriesNoManifest) {
  for (const ResourceName& resource : AllResources())
    EXPECT_NE(resource.strType, "#24") << "manifest " << resource.strName;
}

TEST_F(ModuleTest, CarriesEveryResourceOfTheInstaller) {
  std::vector<ResourceName> resources = AllResources();
  std::set<ResourceName> present(resources.begin(), resources.end());
  const ResourceName expected[] = {
      {"#5", "#102", 1033}, {"#5", "#131", 1033}, {"#6", "#1", 1033}, {"#2", "#134", 1033},
      {"#14", "#128", 1033}, {"#16", "#1", 1033}};
  for (const ResourceName& resource : expected)
    EXPECT_EQ(present.count(resource), 1u) << resource.strType << " " << resource.strName;
}

// --- dialog templates --------------------------------------------------------

// A name or ordinal field of a template: an ordinal is shown as "#n".
std::string OrdinalText(WORD ordinal) { return "#" + std::to_string(ordinal); }

// Reads a DLGTEMPLATEEX and its items from raw bytes; a read past the end
// marks the reader as failed and yields zeros.
class CTemplateReader {
 public:
  explicit CTemplateReader(const std::vector<unsigned char>& bytes) : m_bytes(bytes) {}

  WORD Word() {
    if (m_nOffset + 2 > m_bytes.size()) {
      m_bOverrun = true;
      return 0;
    }
    WORD value = static_cast<WORD>(m_bytes[m_nOffset] | (m_bytes[m_nOffset + 1] << 8));
    m_nOffset += 2;
    return value;
  }
  DWORD DWord() {
    DWORD low = Word();
    return low | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  BYTE Byte() {
    if (m_nOffset + 1 > m_bytes.size()) {
      m_bOverrun = true;
      return 0;
    }
    return m_bytes[m_nOffset++];
  }
  // A zero-terminated UTF-16 text (ASCII expected; other units become '?').
  std::string Text() {
    std::string text;
    for (WORD unit = Word(); unit != 0 && !m_bOverrun; unit = Word())
      text += unit < 0x80 ? static_cast<char>(unit) : '?';
    return text;
  }
  // A name-or-ordinal field: empty, "#n" or the text.
  std::string NameOrOrdinal() {
    WORD first = Word();
    if (first == 0x0000) return "";
    if (first == 0xFFFF) return OrdinalText(Word());
    m_nOffset -= 2;
    return Text();
  }
  void AlignToDWord() { m_nOffset = (m_nOffset + 3) & ~static_cast<size_t>(3); }
  size_t Remaining() const { return m_nOffset < m_bytes.size() ? m_bytes.size() - m_nOffset : 0; }
  bool Overrun() const { return m_bOverrun; }

 private:
  const std::vector<unsigned char>& m_bytes;
  size_t m_nOffset = 0;
  bool m_bOverrun = false;
};

struct DialogItem {
  DWORD nHelpId, nExStyle, nStyle;
  short x, y, cx, cy;
  DWORD nId;
  std::string strClass, strText;
  WORD nExtraBytes;
};

struct DialogTemplate {
  WORD nVersion, nSignature;
  DWORD nHelpId, nExStyle, nStyle;
  short x, y, cx, cy;
  std::string strMenu, strClass, strCaption;
  WORD nPointSize, nWeight;
  BYTE bItalic, nCharSet;
  std::string strFace;
  std::vector<DialogItem> items;
  size_t nTrailingBytes;
  bool bOverrun;
};

DialogTemplate ParseDialog(const std::vector<unsigned char>& bytes) {
  CTemplateReader reader(bytes);
  DialogTemplate dialog = {};
  dialog.nVersion = reader.Word();
  dialog.nSignature = reader.Word();
  dialog.nHelpId = reader.DWord();
  dialog.nExStyle = reader.DWord();
  dialog.nStyle = reader.DWord();
  WORD nItems = reader.Word();
  dialog.x = reader.Short();
  dialog.y = reader.Short();
  dialog.cx = reader.Short();
  dialog.cy = reader.Short();
  dialog.strMenu = reader.NameOrOrdinal();
  dialog.strClass = reader.NameOrOrdinal();
  dialog.strCaption = reader.Text();
  if (dialog.nStyle & DS_SETFONT) {
    dialog.nPointSize = reader.Word();
    dialog.nWeight = reader.Word();
    dialog.bItalic = reader.Byte();
    dialog.nCharSet = reader.Byte();
    dialog.strFace = reader.Text();
  }
  for (WORD nItem = 0; nItem < nItems && !reader.Overrun(); ++nItem) {
    reader.AlignToDWord();
    DialogItem item = {};
    item.nHelpId = reader.DWord();
    item.nExStyle = reader.DWord();
    item.nStyle = reader.DWord();
    item.x = reader.Short();
    item.y = reader.Short();
    item.cx = reader.Short();
    item.cy = reader.Short();
    item.nId = reader.DWord();
    item.strClass = reader.NameOrOrdinal();
    item.strText = reader.NameOrOrdinal();
    item.nExtraBytes = reader.Word();
    dialog.items.push_back(item);
  }
  dialog.nTrailingBytes = reader.Remaining();
  dialog.bOverrun = reader.Overrun();
  return dialog;
}

// The class of a control: the predefined ordinals by their names, lower case.
std::string ClassName(const std::string& strClass) {
  if (strClass == "#128") return "button";
  if (strClass == "#129") return "edit";
  if (strClass == "#130") return "static";
  std::string lower = strClass;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
    return static_cast<char>(std::tolower(c));
  });
  return lower;
}

struct ExpectedItem {
  int nId;
  const char* szClass;
  const char* szText;  // null: any non-empty text (the licence terms)
  short x, y, cx, cy;
  DWORD nStyle;
};

struct ExpectedDialog {
  const char* szLabel;
  int nId;
  DWORD nStyle, nExStyle;
  short cx, cy;
  const char* szCaption;
  WORD nWeight;
  std::vector<ExpectedItem> items;
};

const ExpectedDialog kSetupDialog = {
    "Setup", 102, 0x94C800C8, 0x00040000, 311, 243, "Setup", 0,
    {
        {2, "button", "Cancel", 253, 220, 50, 16, 0x50010000},
        {1001, "button", "Change", 243, 128, 42, 14, 0x50010000},
        {1002, "edit", "", 41, 129, 200, 12, 0x50810080},
        {1009, "static",
         "Use the Browse button to choose the folder where you would like to extract the files "
         "and then click on the Extract button when your are ready.",
         41, 102, 200, 26, 0x50020000},
        {1003, "msctls_progress32", "", 41, 155, 200, 14, 0x50800000},
        {1005, "msctls_progress32", "", 41, 181, 200, 14, 0x50800000},
        {1007, "static", "Total Progress", 41, 145, 53, 8, 0x50020000},
        {1008, "static", "Current File", 41, 171, 41, 8, 0x50020000},
        {1000, "button", "Next ->", 198, 220, 51, 16, 0x50010001},
        {1004, "button", "<- Back", 148, 220, 51, 16, 0x50010001},
        {-1, "static", "#134", 33, 23, 229, 73, 0x5000000E},
    }};

const ExpectedDialog kLicenceDialog = {
    "Licence", 131, 0x80C800C8, 0, 391, 251, "License Agreement", 400,
    {
        {1010, "button", "I accept", 30, 202, 42, 10, 0x50020009},
        {1011, "button", "I do not accept", 30, 217, 65, 10, 0x50000009},
        {1008, "button", "Next ->", 275, 228, 51, 16, 0x50010001},
        {2, "button", "Cancel", 334, 228, 50, 16, 0x50010000},
        {-1, "static", nullptr, 32, 23, 315, 32, 0x50020000},   // block A
        {-1, "static", nullptr, 32, 93, 325, 23, 0x50020000},   // block D
        {-1, "static", nullptr, 32, 112, 335, 24, 0x50020000},  // block E
        {-1, "static", nullptr, 32, 77, 325, 17, 0x50020000},   // block C
        {-1, "static", nullptr, 32, 149, 333, 25, 0x50020000},  // block G
        {-1, "static", nullptr, 32, 174, 331, 15, 0x50020000},  // block H
        {-1, "static", nullptr, 32, 61, 335, 17, 0x50020000},   // block B
        {-1, "static", nullptr, 32, 136, 234, 8, 0x50020000},   // block F
    }};

class DialogTemplateTest : public ModuleTest,
                           public ::testing::WithParamInterface<const ExpectedDialog*> {};

TEST_P(DialogTemplateTest, HeaderIsAsGiven) {
  const ExpectedDialog& expected = *GetParam();
  std::vector<unsigned char> bytes = ResourceBytes(RT_DIALOG, MAKEINTRESOURCEA(expected.nId));
  ASSERT_FALSE(bytes.empty());
  DialogTemplate dialog = ParseDialog(bytes);
  ASSERT_FALSE(dialog.bOverrun);
  EXPECT_EQ(dialog.nVersion, 1);
  EXPECT_EQ(dialog.nSignature, 0xFFFF);
  EXPECT_EQ(dialog.nHelpId, 0u);
  EXPECT_EQ(dialog.nStyle, expected.nStyle);
  EXPECT_EQ(dialog.nExStyle, expected.nExStyle);
  EXPECT_EQ(dialog.x, 0);
  EXPECT_EQ(dialog.y, 0);
  EXPECT_EQ(dialog.cx, expected.cx);
  EXPECT_EQ(dialog.cy, expected.cy);
  EXPECT_EQ(dialog.strMenu, "");
  EXPECT_EQ(dialog.strClass, "");
  EXPECT_EQ(dialog.strCaption, expected.szCaption);
  EXPECT_EQ(dialog.nPointSize, 8);
  EXPECT_EQ(dialog.nWeight, expected.nWeight);
  EXPECT_EQ(dialog.bItalic, 0);
  EXPECT_EQ(dialog.nCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(dialog.strFace, "MS Shell Dlg");
  // Nothing follows the last control but alignment.
  EXPECT_LT(dialog.nTrailingBytes, 4u);
}

TEST_P(DialogTemplateTest, ControlsAreAsGivenInTemplateOrder) {
  const ExpectedDialog& expected = *GetParam();
  DialogTemplate dialog =
      ParseDialog(ResourceBytes(RT_DIALOG, MAKEINTRESOURCEA(expected.nId)));
  ASSERT_FALSE(dialog.bOverrun);
  ASSERT_EQ(dialog.items.size(), expected.items.size());
  for (size_t n = 0; n < expected.items.size(); ++n) {
    const DialogItem& item = dialog.items[n];
    const ExpectedItem& want = expected.items[n];
    SCOPED_TRACE("control #" + std::to_string(n + 1));
    EXPECT_EQ(item.nId, static_cast<DWORD>(want.nId));
    EXPECT_EQ(ClassName(item.strClass), want.szClass);
    if (want.szText != nullptr)
      EXPECT_EQ(item.strText, want.szText);
    else
      EXPECT_FALSE(item.strText.empty());
    EXPECT_EQ(item.x, want.x);
    EXPECT_EQ(item.y, want.y);
    EXPECT_EQ(item.cx, want.cx);
    EXPECT_EQ(item.cy, want.cy);
    EXPECT_EQ(item.nStyle, want.nStyle) << std::hex << item.nStyle;
    EXPECT_EQ(item.nExStyle, 0u);
    EXPECT_EQ(item.nHelpId, 0u);
    EXPECT_EQ(item.nExtraBytes, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(BothPages, DialogTemplateTest,
                         ::testing::Values(&kSetupDialog, &kLicenceDialog),
                         [](const ::testing::TestParamInfo<const ExpectedDialog*>& info) {
                           return std::string(info.param->szLabel);
                         });

TEST_F(ModuleTest, LicenceTermsRunOnFromBlockToBlockTopToBottom) {
  DialogTemplate dialog = ParseDialog(ResourceBytes(RT_DIALOG, MAKEINTRESOURCEA(131)));
  std::vector<std::pair<short, std::string>> blocks;
  for (const DialogItem& item : dialog.items)
    if (item.nId == 0xFFFFFFFF) blocks.push_back({item.y, item.strText});
  ASSERT_EQ(blocks.size(), 8u);
  std::sort(blocks.begin(), blocks.end());
  std::string terms;
  for (const auto& block : blocks) terms += block.second + "\n";
  // The numbered clauses follow one another in reading order.
  size_t nPosition = 0;
  for (int nClause = 1; nClause <= 7; ++nClause) {
    size_t nFound = terms.find(std::to_string(nClause) + ". ", nPosition);
    ASSERT_NE(nFound, std::string::npos) << "clause " << nClause << " in\n" << terms;
    nPosition = nFound;
  }
  EXPECT_NE(terms.find("Brindlewax"), std::string::npos);
}

// --- the dialogs as the system builds them ----------------------------------

INT_PTR CALLBACK AcceptingDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(ModuleTest, BannerControlTakesTheBitmapsSize) {
  InitCommonControls();
  HWND hDialog = CreateDialogParamA(InspectedModule(), MAKEINTRESOURCEA(102), nullptr,
                                    AcceptingDialogProc, 0);
  ASSERT_NE(hDialog, nullptr);
  HWND hBanner = GetWindow(GetDlgItem(hDialog, 1004), GW_HWNDNEXT);  // the last control
  ASSERT_NE(hBanner, nullptr);
  RECT rect;
  GetClientRect(hBanner, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 145);
  HBITMAP hBitmap = reinterpret_cast<HBITMAP>(SendMessageA(hBanner, STM_GETIMAGE, IMAGE_BITMAP, 0));
  ASSERT_NE(hBitmap, nullptr);
  BITMAP bitmap;
  ASSERT_EQ(GetObjectA(hBitmap, sizeof(bitmap), &bitmap), static_cast<int>(sizeof(bitmap)));
  EXPECT_EQ(bitmap.bmWidth, 400);
  EXPECT_EQ(bitmap.bmHeight, 145);
  // The first tab stop in template order, "Cancel", has the focus.
  EXPECT_EQ(GetFocus(), GetDlgItem(hDialog, IDCANCEL));
  DestroyWindow(hDialog);
}

// --- string table ------------------------------------------------------------

const char* const kStrings[16] = {
    "",
    "Click on Change to select a different directory or type in a new directory.  Click on "
    "Next when your are ready.",
    "This archive contains no data. Make sure that you downloaded it correctly.",
    "Archive contins no data. Extraction cannot continue.",
    "Extractor Experienced Problems Creating Output File. Pleaseensure that you have enough "
    "space on the target drive.",
    "Internal Error",
    "Install successfully",
    "", "", "", "", "", "", "", "", ""};

TEST_F(ModuleTest, StringBlockOneHoldsTheSixTextsInUtf16) {
  std::vector<unsigned char> bytes = ResourceBytes(RT_STRING, MAKEINTRESOURCEA(1));
  ASSERT_FALSE(bytes.empty());
  CTemplateReader reader(bytes);
  for (int nId = 0; nId < 16; ++nId) {
    WORD nLength = reader.Word();
    std::string text;
    for (WORD n = 0; n < nLength; ++n) {
      WORD unit = reader.Word();
      text += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    EXPECT_EQ(text, kStrings[nId]) << "string " << nId;
  }
  EXPECT_FALSE(reader.Overrun());
  EXPECT_LT(reader.Remaining(), 4u);
}

TEST_F(ModuleTest, StringsLoadInTheAnsiCodePage) {
  for (int nId = 0; nId < 16; ++nId) {
    char szText[512] = "";
    int nLength = LoadStringA(InspectedModule(), nId, szText, sizeof(szText));
    EXPECT_EQ(nLength, static_cast<int>(std::strlen(kStrings[nId]))) << "string " << nId;
    EXPECT_STREQ(szText, kStrings[nId]) << "string " << nId;
  }
}

TEST_F(ModuleTest, ChangeHintKeepsItsTwoSpacesInTheStringType) {
  if (!InspectingSelf()) GTEST_SKIP() << "the string type loads from the running program only";
  CString strHint;
  ASSERT_TRUE(strHint.LoadFromStringTable(IDS_CHANGE_HINT));
  EXPECT_NE(strHint.str().find("directory.  Click"), std::string::npos);
  CString strSuccess;
  ASSERT_TRUE(strSuccess.LoadFromStringTable(IDS_INSTALL_SUCCESS));
  CString strShown;
  strShown.Format(strSuccess, 7);  // used as a format with the file count
  EXPECT_EQ(strShown, "Install successfully");
}

// --- banner bitmap -----------------------------------------------------------

TEST_F(ModuleTest, BannerIsAnUncompressedBottomUp24BitPicture) {
  std::vector<unsigned char> bytes = ResourceBytes(RT_BITMAP, MAKEINTRESOURCEA(134));
  ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
  BITMAPINFOHEADER header;
  std::memcpy(&header, bytes.data(), sizeof(header));
  EXPECT_EQ(header.biSize, 40u);
  EXPECT_EQ(header.biWidth, 400);
  EXPECT_EQ(header.biHeight, 145);  // positive: rows stored bottom-up
  EXPECT_EQ(header.biPlanes, 1);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_EQ(header.biClrUsed, 0u);
  // No colour table: the pixels follow the header directly.
  ASSERT_EQ(bytes.size(), 40u + 174000u);
  // A picture, not a flat fill: many distinct colours.
  std::set<DWORD> colours;
  for (size_t n = 40; n + 2 < bytes.size(); n += 3)
    colours.insert(bytes[n] | (bytes[n + 1] << 8) | (bytes[n + 2] << 16));
  EXPECT_GT(colours.size(), 500u);
}

// --- icon group ----------------------------------------------------------------

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE bWidth, bHeight, bColorCount, bReserved;
  WORD wPlanes, wBitCount;
  DWORD dwBytesInRes;
  WORD nId;
};
#pragma pack(pop)

TEST_F(ModuleTest, IconGroupHoldsNineImages) {
  std::vector<unsigned char> group = ResourceBytes(RT_GROUP_ICON, MAKEINTRESOURCEA(128));
  ASSERT_GE(group.size(), 6u);
  WORD header[3];
  std::memcpy(header, group.data(), sizeof(header));
  EXPECT_EQ(header[0], 0);
  EXPECT_EQ(header[1], 1);  // icons, not cursors
  ASSERT_EQ(header[2], 9);
  ASSERT_EQ(group.size(), 6u + 9u * sizeof(GroupIconEntry));

  std::set<std::pair<int, int>> seen;  // (pixels, bits per pixel)
  for (int n = 0; n < 9; ++n) {
    GroupIconEntry entry;
    std::memcpy(&entry, group.data() + 6 + n * sizeof(GroupIconEntry), sizeof(entry));
    SCOPED_TRACE("image " + std::to_string(entry.nId));
    EXPECT_EQ(entry.bWidth, entry.bHeight);
    EXPECT_EQ(entry.bColorCount, entry.wBitCount == 4 ? 16 : 0);
    seen.insert({entry.bWidth, entry.wBitCount});

    std::vector<unsigned char> image = ResourceBytes(RT_ICON, MAKEINTRESOURCEA(entry.nId));
    ASSERT_EQ(image.size(), entry.dwBytesInRes);
    BITMAPINFOHEADER info;
    ASSERT_GE(image.size(), sizeof(info));
    std::memcpy(&info, image.data(), sizeof(info));
    EXPECT_EQ(info.biWidth, entry.bWidth);
    EXPECT_EQ(info.biHeight, entry.bHeight * 2);  // colour bits and mask
    EXPECT_EQ(info.biBitCount, entry.wBitCount);
    // The system makes an icon of it at its own size.
    HICON hIcon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                           0x00030000, entry.bWidth, entry.bHeight, 0);
    EXPECT_NE(hIcon, nullptr);
    if (hIcon != nullptr) DestroyIcon(hIcon);
  }
  std::set<std::pair<int, int>> expected;
  for (int nPixels : {48, 32, 16})
    for (int nBits : {4, 8, 24}) expected.insert({nPixels, nBits});
  EXPECT_EQ(seen, expected);
}

TEST_F(ModuleTest, IconLoadsByItsId) {
  if (!InspectingSelf()) GTEST_SKIP() << "LoadIconA needs a module that is running";
  EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128)), nullptr);
}

// --- version resource --------------------------------------------------------

class VersionTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    std::string strPath = InspectedFileName();
    DWORD nHandle = 0;
    DWORD nSize = GetFileVersionInfoSizeA(strPath.c_str(), &nHandle);
    ASSERT_GT(nSize, 0u) << strPath;
    m_info.resize(nSize);
    ASSERT_TRUE(GetFileVersionInfoA(strPath.c_str(), 0, nSize, m_info.data()));
  }

  std::string Value(const std::string& key) {
    std::string strQuery = "\\StringFileInfo\\040904e4\\" + key;
    char* pszValue = nullptr;
    UINT nLength = 0;
    if (!VerQueryValueA(m_info.data(), strQuery.c_str(), reinterpret_cast<void**>(&pszValue),
                        &nLength) ||
        pszValue == nullptr)
      return "<missing>";
    return pszValue;
  }

  std::vector<char> m_info;
};

TEST_F(VersionTest, FixedPartIsAsGiven) {
  VS_FIXEDFILEINFO* pFixed = nullptr;
  UINT nLength = 0;
  ASSERT_TRUE(VerQueryValueA(m_info.data(), "\\", reinterpret_cast<void**>(&pFixed), &nLength));
  ASSERT_EQ(nLength, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(pFixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(pFixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(pFixed->dwFileVersionLS, 0x00000001u);
  EXPECT_EQ(pFixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(pFixed->dwProductVersionLS, 0x00000001u);
  EXPECT_EQ(pFixed->dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(pFixed->dwFileFlags, 0u);
  EXPECT_EQ(pFixed->dwFileOS, 4u);
  EXPECT_EQ(pFixed->dwFileType, 1u);
  EXPECT_EQ(pFixed->dwFileSubtype, 0u);
}

TEST_F(VersionTest, StringTableIsAsGiven) {
  const std::pair<const char*, const char*> kValues[] = {
      {"CompanyName", "Corvik"},          {"FileDescription", "BxSetup"},
      {"FileVersion", "1.0.0.1"},         {"InternalName", "BxSetup.exe"},
      {"OriginalFilename", "BxSetup.exe"}, {"ProductName", "Brindlewax"},
      {"ProductVersion", "1.0.0.1"}};
  for (const auto& value : kValues) EXPECT_EQ(Value(value.first), value.second) << value.first;
  std::string strRights = Value("LegalCopyright");
  EXPECT_NE(strRights.find("Corvik"), std::string::npos) << strRights;
}

TEST_F(VersionTest, TranslationIsEnglishUsWithCodePage1252) {
  WORD* pTranslation = nullptr;
  UINT nLength = 0;
  ASSERT_TRUE(VerQueryValueA(m_info.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&pTranslation), &nLength));
  ASSERT_EQ(nLength, 4u);
  EXPECT_EQ(pTranslation[0], 0x0409);
  EXPECT_EQ(pTranslation[1], 0x04E4);
}

}  // namespace
