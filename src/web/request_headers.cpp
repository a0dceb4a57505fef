#include "web/request_headers.h"

namespace {
struct DefaultHeader {
  const char* present;  // the header counts as given when the text holds this
  const char* line;
};
}  // namespace

Text CompleteRequestHeaders(const Text& headers, const Text& url) {
  Text out = headers.empty() ? Text("Accept: */*") : headers;
  const Text referer = "Referer: " + url;
  const DefaultHeader defaults[] = {
      {"Accept:", "Accept: */*"},
      {"Referer:", referer.c_str()},
      {"Accept-Language:", "Accept-Language: zh-cn"},
      {"User-Agent:", "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
      {"Content-Type:", "Content-Type: application/x-www-form-urlencoded"},
  };
  for (const DefaultHeader& d : defaults) {
    if (FindText(out, d.present) == -1) out += Text("\r\n") + d.line;
  }
  return out;
}

Text HeaderName(const Text& line) {
  const int p = FindText(line, ":");
  return p == -1 ? Text() : TrimSpaces(TextLeft(line, p - 1));
}

Text HeaderValue(const Text& line) {
  const int p = FindText(line, ":");
  return p == -1 ? Text() : TrimSpaces(TextRight(line, TextLength(line) - p));
}
