#pragma once
#include "app/text.h"

// Turns a UTF-8 body from the site into Text. The text ends at the first NUL; characters that GBK
// lacks become "?". No byte-order mark is looked for.
Text Utf8ToLocal(const Bytes& body);
