#include "sfx/entry_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase {
  std::string strName;
  bool bValid;
};

class EntryNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(EntryNameTest, AcceptsOnlyNamesAWindowsFolderCanHold) {
  const NameCase& c = GetParam();
  EXPECT_EQ(IsValidEntryName(CString(c.strName)), c.bValid) << "name: " << c.strName;
}

INSTANTIATE_TEST_SUITE_P(
    Names, EntryNameTest,
    ::testing::Values(NameCase{"Brindlewax.exe", true}, NameCase{"read me.txt", true}, NameCase{".profile", true},
                      NameCase{"CONSOLE.txt", true}, NameCase{"COM0", true}, NameCase{std::string(1000, 'n'), true},
                      NameCase{"", false}, NameCase{std::string(1001, 'n'), false}, NameCase{".", false},
                      NameCase{"..", false}, NameCase{"..\\evil.exe", false}, NameCase{"a\\b", false},
                      NameCase{"a/b", false}, NameCase{"C:x", false}, NameCase{"a<b", false},
                      NameCase{"a>b", false}, NameCase{"a\"b", false}, NameCase{"a|b", false},
                      NameCase{"a?b", false}, NameCase{"a*b", false}, NameCase{"tab\there", false},
                      NameCase{std::string("nul\0byte", 8), false}, NameCase{"del\x7f", false},
                      NameCase{"trailing.", false}, NameCase{"trailing ", false}, NameCase{"CON", false},
                      NameCase{"nul.txt", false}, NameCase{"Com1", false}, NameCase{"LPT9.log", false}));

TEST(EntryNameTest, NamesTheFault) {
  EXPECT_STREQ(GetEntryNameFault("a:b"), "holds a character Windows does not allow in file names");
  EXPECT_STREQ(GetEntryNameFault(""), "is empty");
  EXPECT_EQ(GetEntryNameFault("fine.txt"), nullptr);
}

TEST(EntryNameTest, SameNameIgnoresTheCaseOfLetters) {
  EXPECT_TRUE(IsSameEntryName("Data.BIN", "data.bin"));
  EXPECT_FALSE(IsSameEntryName("data1.bin", "data2.bin"));
  EXPECT_FALSE(IsSameEntryName("data.bin", "data.bin2"));
}

}  // namespace
