#include "framework/string.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CStringTest, CopiesAreIndependentOnceWritten) {
  CString original("setup");
  CString copy(original);
  copy += ".exe";
  EXPECT_EQ(original, "setup");
  EXPECT_EQ(copy, "setup.exe");
  original.Empty();
  EXPECT_TRUE(original.IsEmpty());
  EXPECT_EQ(copy.GetLength(), 9);
}

TEST(CStringTest, ConcatenatesInEveryOrder) {
  CString folder("C:\\Program Files");
  EXPECT_EQ(folder + "\\Brindlewax\\", "C:\\Program Files\\Brindlewax\\");
  EXPECT_EQ("Extracting " + CString("a.dat"), "Extracting a.dat");
  EXPECT_EQ(CString("a") + CString("b"), "ab");
  CString grown;
  grown += 'x';
  grown += CString("y");
  grown += "z";
  EXPECT_EQ(grown, "xyz");
}

TEST(CStringTest, IndexOutsideZeroToLengthIsAnInvalidArgument) {
  CString text("abc");
  EXPECT_EQ(text.GetAt(0), 'a');
  EXPECT_EQ(text[2], 'c');
  EXPECT_EQ(text.GetAt(3), '\0');
  EXPECT_THROW(text.GetAt(4), std::invalid_argument);
  EXPECT_THROW(text.GetAt(-1), std::invalid_argument);
  EXPECT_THROW(CString().GetAt(1), std::invalid_argument);
}

struct SliceCase {
  const char* what;
  CString (*slice)(const CString&);
  const char* expected;
};

TEST(CStringTest, SlicesClampTheirArguments) {
  const SliceCase cases[] = {
      {"Left(2)", [](const CString& s) { return s.Left(2); }, "he"},
      {"Left(-1)", [](const CString& s) { return s.Left(-1); }, ""},
      {"Left(99)", [](const CString& s) { return s.Left(99); }, "hello"},
      {"Right(3)", [](const CString& s) { return s.Right(3); }, "llo"},
      {"Right(-5)", [](const CString& s) { return s.Right(-5); }, ""},
      {"Right(5)", [](const CString& s) { return s.Right(5); }, "hello"},
      {"Mid(1)", [](const CString& s) { return s.Mid(1); }, "ello"},
      {"Mid(-3)", [](const CString& s) { return s.Mid(-3); }, "hello"},
      {"Mid(9)", [](const CString& s) { return s.Mid(9); }, ""},
      {"Mid(1, 2)", [](const CString& s) { return s.Mid(1, 2); }, "el"},
      {"Mid(3, 50)", [](const CString& s) { return s.Mid(3, 50); }, "lo"},
      {"Mid(2, -1)", [](const CString& s) { return s.Mid(2, -1); }, ""},
  };
  const CString text("hello");
  for (const SliceCase& c : cases) EXPECT_EQ(c.slice(text), c.expected) << c.what;
}

TEST(CStringTest, FindsCharactersFromEitherEnd) {
  CString path("C:\\a\\b\\c.txt");
  EXPECT_EQ(path.Find('\\'), 2);
  EXPECT_EQ(path.Find('\\', 3), 4);
  EXPECT_EQ(path.Find('\\', 7), -1);
  EXPECT_EQ(path.Find('\\', -4), 2);
  EXPECT_EQ(path.ReverseFind('\\'), 6);
  EXPECT_EQ(path.ReverseFind('/'), -1);
  EXPECT_EQ(CString().Find('a'), -1);
}

TEST(CStringTest, TrimRightRemovesTrailingWhiteSpaceOnly) {
  CString text(" C:\\dir \\ \t\r\n");
  EXPECT_EQ(text.TrimRight(), " C:\\dir \\");
  CString blank("   ");
  EXPECT_EQ(blank.TrimRight(), "");
}

TEST(CStringTest, FormatsLikePrintf) {
  CString text;
  text.Format("%d%%", 42);
  EXPECT_EQ(text, "42%");
  text.Format("%s-%03d", "entry", 7);
  EXPECT_EQ(text, "entry-007");
}

TEST(CStringTest, WritableBufferTakesItsLengthFromTheTerminator) {
  CString text("old");
  char* buffer = text.GetBuffer(260);
  std::snprintf(buffer, 260, "C:\\Temp\\");
  text.ReleaseBuffer();
  EXPECT_EQ(text, "C:\\Temp\\");
  EXPECT_EQ(text.GetLength(), 8);
}

TEST(CStringTest, ComparesWithTextsAndStrings) {
  EXPECT_TRUE(CString("a") == "a");
  EXPECT_TRUE(CString("a") != "b");
  EXPECT_TRUE(CString() == "");
  EXPECT_TRUE(CString("a") == CString("a"));
  EXPECT_TRUE(CString("a") != CString("A"));
}

}  // namespace
