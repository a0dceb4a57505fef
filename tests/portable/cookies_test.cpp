#include "web/cookies.h"

#include <gtest/gtest.h>

namespace {

TEST(CollectSetCookies, TakesThePairOfEverySetCookieLine) {
  const struct {
    Text headers, expected;
  } cases[] = {
      {"Set-Cookie: sid=abc; path=/\r\nSet-Cookie: lang=cn", "sid=abc; lang=cn"},
      {"Content-Type: text/html\r\nServer: x", ""},
      {"", ""},
      // Wine starts the header text with the status line; it must not disturb collection.
      {"HTTP/1.0 200 OK\r\nSet-Cookie: a=1; HttpOnly\r\nSet-Cookie: b=2\r\n\r\n", "a=1; b=2"},
      {"Set-Cookie:  flag ", "flag"},
  };
  for (const auto& c : cases) EXPECT_EQ(CollectSetCookies(c.headers), c.expected) << c.headers;
}

struct MergeCase {
  Text cookies, newCookies, merged, newAfter;
};

TEST(MergeCookies, PutsNewPairsFirstAndDropsReplacedDeletedAndRepeatedOnes) {
  const MergeCase cases[] = {
      {"a=1; b=2", "b=3", "b=3; a=1", "b=3"},
      {"a=1; b=2", "b=deleted", "a=1", "b=deleted"},
      {"a=1; b=2", "c=3; a=9", "c=3; a=9; b=2", "c=3;a=9"},
      {"a=1;a=2", "", "a=1", ""},
      {"a=1;b=2", "", "a=1; b=2", ""},
      {"", "x=1; x=2", "x=1; x=2", "x=1;x=2"},
      {"", "x=1; x=1", "x=1", "x=1;x=1"},
      {"", "", "", ""},
  };
  for (const MergeCase& c : cases) {
    Text cookies = c.cookies, newCookies = c.newCookies;
    const Text result = MergeCookies(cookies, newCookies);
    EXPECT_EQ(cookies, c.merged) << c.cookies << " + " << c.newCookies;
    EXPECT_EQ(result, c.merged) << c.cookies << " + " << c.newCookies;
    EXPECT_EQ(newCookies, c.newAfter) << c.cookies << " + " << c.newCookies;
  }
}

TEST(CookieName, IsTheTrimmedTextBeforeTheFirstEquals) {
  EXPECT_EQ(CookieName(" sid =a=b"), "sid");
  EXPECT_EQ(CookieName(" flag "), "flag");
  EXPECT_EQ(CookieName("=v"), "");
  EXPECT_TRUE(HasCookieNamed({"a=1", "sid=2"}, "sid"));
  EXPECT_FALSE(HasCookieNamed({"a=1", "sid=2"}, "SID"));
  EXPECT_FALSE(HasCookieNamed({}, ""));
}

TEST(DedupeJoined, KeepsTheFirstOfEqualEntries) {
  EXPECT_EQ(DedupeJoined("a; b; a; c; b", "; "), "a; b; c");
  EXPECT_EQ(DedupeJoined("a", "; "), "a");
  EXPECT_EQ(DedupeJoined("", "; "), "");
  EXPECT_EQ(IndexOfText({"a", "b", "a"}, "a"), 1);
  EXPECT_EQ(IndexOfText({"a", "b", "a"}, "b"), 2);
  EXPECT_EQ(IndexOfText({"a", "b"}, "c"), -1);
}

}  // namespace
