#include "app/text_between.h"

namespace {
Text ExpandQuoteMark(const Text& marker) { return ReplaceText(marker, "#引号", "\"", true); }
}  // namespace

Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker, int startPos,
                 bool ignoreCase) {
  const Text start = ExpandQuoteMark(startMarker);
  const Text end = ExpandQuoteMark(endMarker);
  int p = FindText(text, start, startPos, ignoreCase);
  if (p == -1) return Text();
  p += TextLength(start);
  const int q = FindText(text, end, p, ignoreCase);
  if (q == -1) return Text();
  return TextMid(text, p, q - p);
}
