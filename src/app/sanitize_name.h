#pragma once
#include "app/text.h"

// Strips the characters that may not, or should not, stand in a folder name: the ones Windows
// forbids, the dot and the ASCII space, and common full-width punctuation. The caller's variable
// is rewritten; the result is a copy of it.
Text SanitizeName(Text& name);
