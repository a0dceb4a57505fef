#include "app/text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// GBK characters whose second byte is the code of "\" (0x5C) or "|" (0x7C).
const Text kTrail5C = "\x81\x5C";  // 乗
const Text kTrail7C = "\x83\x7C";  // 億

TEST(TextLiterals, SourceTextIsCompiledToGbkBytes) {
  EXPECT_EQ(Text("中文"), Text("\xD6\xD0\xCE\xC4"));
  EXPECT_EQ(Text("乗"), kTrail5C);
  EXPECT_EQ(Text("億"), kTrail7C);
}

struct FindCase {
  Text t, s;
  int start;
  bool ignoreCase;
  int expected;
};

TEST(FindText, FollowsPositionAndBoundaryRules) {
  const FindCase cases[] = {
      {"abcabc", "c", 1, false, 3},
      {"abcabc", "c", 4, false, 6},
      {"abc", "c", 0, false, 3},
      {"abc", "c", -5, false, 3},
      {"abc", "a", 4, false, -1},
      {"abc", "", 1, false, -1},
      {"", "a", 1, false, -1},
      {"ABC", "b", 1, false, -1},
      {"ABC", "b", 1, true, 2},
      {"\xA3\xC1\xA3\xC2", "\xA3\xE1", 1, true, -1},  // full-width letters are not folded
      {kTrail5C, "\\", 1, false, -1},
      {kTrail5C + "\\", "\\", 1, false, 3},
      {kTrail7C + "|", "|", 1, false, 3},
      {kTrail5C + "\\", "\\", 2, false, 3},  // start inside a character: next boundary
      {"a" + kTrail5C, "\\", 3, false, -1},
      {"a\x81", "\x81", 1, false, 2},  // a lead byte at the end is a character of its own
      {"xx中文", "文", 1, false, 5},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindText(c.t, c.s, c.start, c.ignoreCase), c.expected)
        << "t=" << c.t << " s=" << c.s << " start=" << c.start;
  }
}

struct ReplaceCase {
  Text t, s, r;
  bool caseSensitive;
  Text expected;
};

TEST(ReplaceText, ScansOnceLeftToRightAtBoundaries) {
  const ReplaceCase cases[] = {
      {"aaa", "aa", "b", true, "ba"},
      {"ab", "a", "aa", true, "aab"},
      {"AbA", "a", "x", false, "xbx"},
      {"AbA", "a", "x", true, "AbA"},
      {"a-b-c", "-", "", true, "abc"},
      {kTrail5C + "\\" + kTrail5C, "\\", "/", true, kTrail5C + "/" + kTrail5C},
      {kTrail7C + "|", "|", "", true, kTrail7C},
      {"", "a", "b", true, ""},
      {"abc", "", "x", true, "abc"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(ReplaceText(c.t, c.s, c.r, c.caseSensitive), c.expected) << "t=" << c.t;
  }
}

struct SplitCase {
  Text t, sep;
  int maxParts;
  TextList expected;
};

TEST(SplitText, KeepsInnerEmptyEntriesButNoTrailingOne) {
  const SplitCase cases[] = {
      {"a;;b;", ";", 0, {"a", "", "b"}},
      {";a", ";", 0, {"", "a"}},
      {"", ";", 0, {}},
      {";", ";", 0, {""}},
      {"abc", ";", 0, {"abc"}},
      {"a;b;c;d", ";", 2, {"a", "b"}},
      {"a;b", ";", 2, {"a", "b"}},
      {"a\r\nb\r\n", "\r\n", 0, {"a", "b"}},
      {kTrail7C + "|x|" + kTrail7C, "|", 0, {kTrail7C, "x", kTrail7C}},
      {"a;b", "", 0, {"a;b"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitText(c.t, c.sep, c.maxParts), c.expected) << "t=" << c.t;
  }
}

TEST(Spaces, OnlyAsciiAndFullWidthSpacesCount) {
  const Text fw = "\xA1\xA1";
  const struct {
    Text in, trimmed, removed;
  } cases[] = {
      {"  a b  ", "a b", "ab"},
      {fw + "a" + fw + "b" + fw, "a" + fw + "b", "ab"},
      {"\ta", "\ta", "\ta"},
      {"a\r\n", "a\r\n", "a\r\n"},
      {"   ", "", ""},
      {"", "", ""},
      // D6 A1 is one character; the A1 after it is a lone byte, not half of a full-width space.
      {"\xD6\xA1\xA1", "\xD6\xA1\xA1", "\xD6\xA1\xA1"},
      {"中 文", "中 文", "中文"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrimSpaces(c.in), c.trimmed) << "in=" << c.in;
    EXPECT_EQ(RemoveSpaces(c.in), c.removed) << "in=" << c.in;
  }
}

TEST(Cuts, CountBytesAndClipAtTheEnds) {
  EXPECT_EQ(TextLeft("abc", 2), "ab");
  EXPECT_EQ(TextLeft("abc", 0), "");
  EXPECT_EQ(TextLeft("abc", -1), "");
  EXPECT_EQ(TextLeft("abc", 9), "abc");
  EXPECT_EQ(TextRight("abc", 2), "bc");
  EXPECT_EQ(TextRight("abc", 0), "");
  EXPECT_EQ(TextRight("abc", 9), "abc");
  EXPECT_EQ(TextMid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(TextMid("abcdef", 5, 10), "ef");
  EXPECT_EQ(TextMid("abcdef", 0, 2), "");
  EXPECT_EQ(TextMid("abcdef", 7, 1), "");
  EXPECT_EQ(TextMid("abcdef", 2, 0), "");
  EXPECT_EQ(TextLeft("中文", 1), "\xD6");  // a cut may split a character
  EXPECT_EQ(TextLength("中文"), 4);
}

TEST(EndsWithText, CountsOnlyWholeCharacters) {
  EXPECT_TRUE(EndsWithText("a\\", "\\"));
  EXPECT_TRUE(EndsWithText(kTrail5C + "\\", "\\"));
  EXPECT_FALSE(EndsWithText(kTrail5C, "\\"));
  EXPECT_FALSE(EndsWithText("a" + kTrail5C, "\\"));
  EXPECT_FALSE(EndsWithText("", "\\"));
}

TEST(TextToInt, FoldsFullWidthThenReadsLikeC) {
  const struct {
    Text in;
    int expected;
  } cases[] = {
      {"123", 123},
      {"  -42x", -42},
      {"+7", 7},
      {"\t\r\n 5", 5},
      {"1 2", 1},
      {"0x10", 0},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"２０１５１１３０", 20151130},
      {"\xA1\xA1１２", 12},  // full-width space, then full-width digits
      {"－３", -3},          // full-width minus
      {"12３4", 1234},
      {"99999999999", INT_MAX},
      {"-99999999999", INT_MIN},
      {"-2147483648", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToInt(c.in), c.expected) << "in=" << c.in;
}

}  // namespace
