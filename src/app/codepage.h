#pragma once
// The only place where Text meets other encodings. Text is always code page 936, named
// explicitly, so Chinese names come out right on a Windows whose ANSI code page is not 936.
#include <string>

#include "app/text.h"

constexpr unsigned kTextCodePage = 936;

std::wstring WideFromText(const Text& text);
// Characters that GBK lacks become the code page's default character, "?".
Text TextFromWide(const std::wstring& wide);
// Malformed sequences follow the platform's own replacement rules.
std::wstring WideFromUtf8(const Bytes& utf8);
