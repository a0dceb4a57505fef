#pragma once
#include "app/text.h"

// The bytes strictly between the first startMarker (searched from startPos) and the first
// endMarker after it; "" when either is missing. In a marker, "#引号" stands for a double quote,
// so markers that hold quotes can be written without escaping.
Text TextBetween(const Text& text, const Text& startMarker, const Text& endMarker, int startPos = 0,
                 bool ignoreCase = false);
