#include "app/sanitize_name.h"

namespace {
// Removed one after the other, each everywhere. The order does not matter for the result, since
// every entry is a single character.
const char* const kRemoved[] = {":",  "\\", "/",  "?",  "*", "<",  ">",  "|", "：", "、",
                                "？", "。", "（", "）", "·", "！", "，", ".", " "};
}  // namespace

Text SanitizeName(Text& name) {
  for (const char* c : kRemoved) name = ReplaceText(name, c, Text(), true);
  return name;
}
