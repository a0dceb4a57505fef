#include "web/cookies.h"

#include "app/text_between.h"

namespace {
const Text kPairSeparator = "; ";
const Text kSetCookie = "Set-Cookie";
const Text kDeletedSuffix = "=deleted";

Text DropLast(const Text& t, const Text& suffix) {
  return TextLeft(t, TextLength(t) - TextLength(suffix));
}
}  // namespace

Text CollectSetCookies(const Text& responseHeaders) {
  Text result;
  for (const Text& line : SplitText(responseHeaders, "\r\n")) {
    if (FindText(line, kSetCookie) == -1) continue;
    const Text pair = FindText(line, ";") != -1
                          ? TrimSpaces(TextBetween(line, kSetCookie + ":", ";"))
                          : TrimSpaces(ReplaceText(line, kSetCookie + ":", Text(), false));
    result += pair + kPairSeparator;
  }
  return DropLast(result, kPairSeparator);
}

Text MergeCookies(Text& cookies, Text& newCookies) {
  cookies = RemoveSpaces(cookies);
  newCookies = RemoveSpaces(newCookies);
  TextList merged = SplitText(newCookies, ";");
  for (const Text& old : SplitText(cookies, ";")) {
    if (!HasCookieNamed(merged, CookieName(old))) merged.push_back(old);
  }
  cookies.clear();
  for (const Text& pair : merged) {
    if (TextRight(pair, TextLength(kDeletedSuffix)) != kDeletedSuffix)
      cookies += pair + kPairSeparator;
  }
  cookies = DedupeJoined(DropLast(cookies, kPairSeparator), kPairSeparator);
  return cookies;
}

Text CookieName(const Text& pair) {
  const int p = FindText(pair, "=");
  return p == -1 ? TrimSpaces(pair) : TrimSpaces(TextLeft(pair, p - 1));
}

bool HasCookieNamed(const TextList& pairs, const Text& name) {
  for (const Text& pair : pairs) {
    if (CookieName(pair) == name) return true;
  }
  return false;
}

Text DedupeJoined(const Text& text, const Text& separator) {
  TextList seen;
  Text out;
  for (const Text& part : SplitText(text, separator)) {
    if (IndexOfText(seen, part) != -1) continue;
    seen.push_back(part);
    out += part + separator;
  }
  return DropLast(out, separator);
}

int IndexOfText(const TextList& list, const Text& text) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i] == text) return static_cast<int>(i) + 1;
  }
  return -1;
}
