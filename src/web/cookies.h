#pragma once
#include "app/text.h"

// Cookie text is "name=value" pairs joined by "; ". A pair ending in "=deleted" is dropped when
// merging, which is how a site clears a cookie.

// The pairs of every "Set-Cookie" line (the part before its first ";"), in header order, joined
// by "; ". The header name must already be spelt exactly "Set-Cookie".
Text CollectSetCookies(const Text& responseHeaders);

// Puts the response's pairs first, then the caller's pairs whose names the response did not set;
// drops deleted pairs and repeats. Both variables lose their spaces; `cookies` receives the
// merged text and a copy is returned.
Text MergeCookies(Text& cookies, Text& newCookies);

Text CookieName(const Text& pair);
bool HasCookieNamed(const TextList& pairs, const Text& name);

// Splits at separator and joins again, keeping only the first of entries equal byte for byte.
Text DedupeJoined(const Text& text, const Text& separator);

// 1-based index of the first entry equal to text, or -1.
int IndexOfText(const TextList& list, const Text& text);
