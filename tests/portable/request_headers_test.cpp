#include "web/request_headers.h"

#include <gtest/gtest.h>

namespace {

const Text kUrl = "http://example.test/boards/1/";
const Text kAccept = "\r\nAccept: */*";
const Text kReferer = "\r\nReferer: " + kUrl;
const Text kLanguage = "\r\nAccept-Language: zh-cn";
const Text kAgent = "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
const Text kType = "\r\nContent-Type: application/x-www-form-urlencoded";

TEST(CompleteRequestHeaders, AppendsOnlyTheDefaultsThatAreMissing) {
  const struct {
    Text in, expected;
  } cases[] = {
      {"X-A: 1", "X-A: 1" + kAccept + kReferer + kLanguage + kAgent + kType},
      {"", "Accept: */*" + kReferer + kLanguage + kAgent + kType},
      // The tests are case-sensitive, so a small-letter header does not count...
      {"accept: text/html", "accept: text/html" + kAccept + kReferer + kLanguage + kAgent + kType},
      // ...and they look anywhere, so a longer name holding "Accept:" does.
      {"X-Accept: none", "X-Accept: none" + kReferer + kLanguage + kAgent + kType},
      {"Referer: http://other/", "Referer: http://other/" + kAccept + kLanguage + kAgent + kType},
      {"X-Requested-With: XMLHttpRequest\r\nX-Request: JSON",
       "X-Requested-With: XMLHttpRequest\r\nX-Request: JSON" + kAccept + kReferer + kLanguage +
           kAgent + kType},
  };
  for (const auto& c : cases) EXPECT_EQ(CompleteRequestHeaders(c.in, kUrl), c.expected) << c.in;
}

TEST(HeaderLine, SplitsAtTheFirstColonAndTrims) {
  const struct {
    Text line, name, value;
  } cases[] = {
      {"Host: a:80", "Host", "a:80"},
      {"no colon here", "", ""},
      {"  X-Y :  some value  ", "X-Y", "some value"},
      {": v", "", "v"},
      {"Empty:", "Empty", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HeaderName(c.line), c.name) << c.line;
    EXPECT_EQ(HeaderValue(c.line), c.value) << c.line;
  }
}

}  // namespace
