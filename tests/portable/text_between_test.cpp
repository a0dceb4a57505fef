#include "app/sanitize_name.h"
#include "app/text_between.h"

#include <gtest/gtest.h>

namespace {

struct BetweenCase {
  Text text, start, end;
  int startPos;
  bool ignoreCase;
  Text expected;
};

TEST(TextBetween, CutsBetweenFirstStartAndFirstEndAfterIt) {
  const BetweenCase cases[] = {
      {"a[b]c[d]", "[", "]", 0, false, "b"},
      {"a[]b", "[", "]", 0, false, ""},
      {"x]y[z", "[", "]", 0, false, ""},
      {"abc[", "[", "]", 0, false, ""},
      {"", "[", "]", 0, false, ""},
      {"[a][b]", "[", "]", 2, false, "b"},
      {"[a]", "[", "]", 9, false, ""},
      {"{\"id=\"42\",}", "id=#引号", "#引号", 0, false, "42"},
      {"name=Foo;", "NAME=", ";", 0, true, "Foo"},
      {"name=Foo;", "NAME=", ";", 0, false, ""},
      {"ｎａｍｅ=x;", "ＮＡＭＥ=", ";", 0, true, ""},
      {"[乗\\]", "[", "\\", 0, false, "乗"},
      {"\"title\":\"相册\",", "\"title\":\"", "\"", 0, false, "相册"},
  };
  for (const BetweenCase& c : cases) {
    EXPECT_EQ(TextBetween(c.text, c.start, c.end, c.startPos, c.ignoreCase), c.expected)
        << "text=" << c.text << " start=" << c.start;
  }
}

TEST(TextBetween, LeavesTheCallersMarkersAlone) {
  const Text start = "id=#引号";
  TextBetween("id=\"1\"", start, "#引号");
  EXPECT_EQ(start, "id=#引号");
}

TEST(SanitizeName, RemovesEveryListedCharacterAndRewritesTheVariable) {
  const struct {
    Text in, expected;
  } cases[] = {
      {"a:b\\c/d?e*f<g>h|i", "abcdefghi"},
      {"Vol. 2", "Vol2"},
      {"你好：世界！", "你好世界"},
      {"\"a\"\tb\xA1\xA1"
       "c",
       "\"a\"\tb\xA1\xA1"
       "c"},             // quotes, tabs, full-width spaces stay
      {"乗億", "乗億"},  // second bytes 0x5C and 0x7C are not "\" and "|"
      {"::.. ", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    Text name = c.in;
    const Text result = SanitizeName(name);
    EXPECT_EQ(result, c.expected) << "in=" << c.in;
    EXPECT_EQ(name, c.expected) << "in=" << c.in;
  }
}

TEST(SanitizeName, RemovesEachCharacterByItsGbkBytes) {
  const char* const removed[] = {"\x3A",     "\x5C",     "\x2F",     "\x3F",     "\x2A",
                                 "\x3C",     "\x3E",     "\x7C",     "\xA3\xBA", "\xA1\xA2",
                                 "\xA3\xBF", "\xA1\xA3", "\xA3\xA8", "\xA3\xA9", "\xA1\xA4",
                                 "\xA3\xA1", "\xA3\xAC", "\x2E",     "\x20"};
  for (const char* c : removed) {
    Text name = Text("x") + c + "y" + c;
    EXPECT_EQ(SanitizeName(name), "xy") << "bytes of " << c;
  }
}

}  // namespace
