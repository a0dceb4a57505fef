#pragma once
// Text is the program's one string type: bytes in code page 936 (GBK), whatever the system's
// locale, so that titles from the site and folder names round-trip without loss. Conversion to
// UTF-16 happens only at the Win32 boundary (codepage.h).
//
// Positions are 1-based byte positions and -1 means "not found". Searching, replacing and
// splitting test for a match only where a character begins: a byte from 0x80 starts a two-byte
// character, so a GBK second byte of 0x5C or 0x7C is never taken for "\" or "|". Cuts
// (TextLeft, TextRight, TextMid) count bytes and ignore character boundaries.
//
// All routines are pure and may run on any thread.
#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;
using TextList = std::vector<Text>;

int TextLength(const Text& t);

// Position of the first occurrence of s that begins at a character boundary at or after start
// (values below 1 mean 1). ignoreCase folds the ASCII letters only. An empty s is found nowhere.
int FindText(const Text& t, const Text& s, int start = 1, bool ignoreCase = false);

// One left-to-right scan; replaced text is not scanned again and occurrences never overlap.
// An empty t or s gives t unchanged.
Text ReplaceText(const Text& t, const Text& s, const Text& r, bool caseSensitive);

// Each separator closes one entry, so adjacent separators give empty entries, but a trailing
// separator adds none. maxParts > 0 stops the scan after that many entries were closed and drops
// the rest. An empty sep never matches: the whole text is one entry.
TextList SplitText(const Text& t, const Text& sep, int maxParts = 0);

// Spaces are the ASCII space and the GBK full-width space (A1 A1); tabs and line ends are not.
Text TrimSpaces(const Text& t);
Text RemoveSpaces(const Text& t);

Text TextLeft(const Text& t, int n);
Text TextRight(const Text& t, int n);
Text TextMid(const Text& t, int pos, int n);

// True when t ends with s and s begins at a character boundary of t, so a trailing GBK second
// byte 0x5C does not count as a backslash.
bool EndsWithText(const Text& t, const Text& s);

// Reads an integer the way C's strtol does (leading white space, optional sign, digits up to the
// first other character) after folding GBK full-width characters to ASCII. No digits read as 0;
// values beyond int are held at INT_MIN or INT_MAX.
int TextToInt(const Text& t);
