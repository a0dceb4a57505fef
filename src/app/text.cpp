#include "app/text.h"

#include <climits>
#include <cstddef>

namespace {

constexpr unsigned char kFullWidthLead = 0xA1;  // A1 A1 is the full-width space
constexpr unsigned char kFullWidthAsciiLead = 0xA3;

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

// Byte count of the character that starts at index i (0-based): a lead byte takes the next byte
// with it unless it is the last byte of the text.
std::size_t CharSize(const Text& t, std::size_t i) {
  return IsLeadByte(t[i]) && i + 1 < t.size() ? 2 : 1;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const Text& t, std::size_t i, const Text& s, bool ignoreCase) {
  if (t.size() - i < s.size()) return false;
  for (std::size_t k = 0; k < s.size(); ++k) {
    const char a = t[i + k], b = s[k];
    if (a != b && !(ignoreCase && FoldAscii(a) == FoldAscii(b))) return false;
  }
  return true;
}

bool IsSpaceAt(const Text& t, std::size_t i) {
  return t[i] == ' ' ||
         (CharSize(t, i) == 2 && static_cast<unsigned char>(t[i]) == kFullWidthLead &&
          static_cast<unsigned char>(t[i + 1]) == kFullWidthLead);
}

// Index (0-based) of the first match at a character boundary at or after `from`, or npos.
// `from` must itself be a character boundary.
std::size_t FindFrom(const Text& t, const Text& s, std::size_t from, bool ignoreCase) {
  if (s.empty()) return Text::npos;
  for (std::size_t i = from; i < t.size(); i += CharSize(t, i)) {
    if (MatchesAt(t, i, s, ignoreCase)) return i;
  }
  return Text::npos;
}

}  // namespace

int TextLength(const Text& t) { return static_cast<int>(t.size()); }

int FindText(const Text& t, const Text& s, int start, bool ignoreCase) {
  if (start < 1) start = 1;
  if (start > TextLength(t)) return -1;
  // Boundaries are those of the whole text, so walk from the first byte to the start position.
  std::size_t i = 0;
  while (i < static_cast<std::size_t>(start - 1)) i += CharSize(t, i);
  const std::size_t found = FindFrom(t, s, i, ignoreCase);
  return found == Text::npos ? -1 : static_cast<int>(found) + 1;
}

Text ReplaceText(const Text& t, const Text& s, const Text& r, bool caseSensitive) {
  if (t.empty() || s.empty()) return t;
  Text out;
  out.reserve(t.size());
  std::size_t i = 0;
  while (i < t.size()) {
    if (MatchesAt(t, i, s, !caseSensitive)) {
      out += r;
      i += s.size();
    } else {
      const std::size_t n = CharSize(t, i);
      out.append(t, i, n);
      i += n;
    }
  }
  return out;
}

TextList SplitText(const Text& t, const Text& sep, int maxParts) {
  TextList parts;
  std::size_t begin = 0, i = 0;
  while (i < t.size() && !sep.empty()) {
    if (maxParts > 0 && parts.size() == static_cast<std::size_t>(maxParts)) return parts;
    if (MatchesAt(t, i, sep, false)) {
      parts.push_back(t.substr(begin, i - begin));
      i += sep.size();
      begin = i;
    } else {
      i += CharSize(t, i);
    }
  }
  if (maxParts > 0 && parts.size() == static_cast<std::size_t>(maxParts)) return parts;
  if (begin < t.size()) parts.push_back(t.substr(begin));
  return parts;
}

Text TrimSpaces(const Text& t) {
  std::size_t i = 0;
  while (i < t.size() && IsSpaceAt(t, i)) i += CharSize(t, i);
  const std::size_t begin = i;
  std::size_t end = begin;  // one past the last character that is not a space
  while (i < t.size()) {
    const std::size_t n = CharSize(t, i);
    if (!IsSpaceAt(t, i)) end = i + n;
    i += n;
  }
  return t.substr(begin, end - begin);
}

Text RemoveSpaces(const Text& t) {
  Text out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t n = CharSize(t, i);
    if (!IsSpaceAt(t, i)) out.append(t, i, n);
    i += n;
  }
  return out;
}

Text TextLeft(const Text& t, int n) {
  if (n <= 0) return Text();
  return t.substr(0, static_cast<std::size_t>(n));
}

Text TextRight(const Text& t, int n) {
  if (n <= 0) return Text();
  if (n >= TextLength(t)) return t;
  return t.substr(t.size() - static_cast<std::size_t>(n));
}

Text TextMid(const Text& t, int pos, int n) {
  if (pos < 1 || pos > TextLength(t) || n <= 0) return Text();
  return t.substr(static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(n));
}

bool EndsWithText(const Text& t, const Text& s) {
  if (s.size() > t.size()) return false;
  const std::size_t at = t.size() - s.size();
  std::size_t i = 0;
  while (i < at) i += CharSize(t, i);
  return i == at && MatchesAt(t, at, s, false);
}

int TextToInt(const Text& t) {
  Text folded;
  folded.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t n = CharSize(t, i);
    const auto lead = static_cast<unsigned char>(t[i]);
    const auto trail = n == 2 ? static_cast<unsigned char>(t[i + 1]) : 0;
    if (n == 2 && lead == kFullWidthAsciiLead && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);  // A3 A1..A3 FE mirror ASCII 0x21..0x7E
    } else if (n == 2 && lead == kFullWidthLead && trail == kFullWidthLead) {
      folded += ' ';
    } else {
      folded.append(t, i, n);
    }
    i += n;
  }

  std::size_t i = 0;
  while (i < folded.size() && (folded[i] == ' ' || (folded[i] >= '\t' && folded[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  long long value = 0;
  for (; i < folded.size() && folded[i] >= '0' && folded[i] <= '9'; ++i) {
    value = value * 10 + (folded[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}
