#include "app/codepage.h"

#include <windows.h>

#include <climits>

namespace {
// Both conversions measure first and then fill a buffer of exactly that size.
std::wstring ToWide(unsigned codePage, const char* bytes, std::size_t size) {
  if (size == 0 || size > INT_MAX) return std::wstring();
  const int n = static_cast<int>(size);
  const int units = MultiByteToWideChar(codePage, 0, bytes, n, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, bytes, n, wide.data(), units);
  return wide;
}
}  // namespace

std::wstring WideFromText(const Text& text) {
  return ToWide(kTextCodePage, text.data(), text.size());
}

std::wstring WideFromUtf8(const Bytes& utf8) {
  return ToWide(CP_UTF8, reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

Text TextFromWide(const std::wstring& wide) {
  if (wide.empty() || wide.size() > INT_MAX) return Text();
  const int n = static_cast<int>(wide.size());
  const int bytes =
      WideCharToMultiByte(kTextCodePage, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return Text();
  Text text(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(kTextCodePage, 0, wide.data(), n, text.data(), bytes, nullptr, nullptr);
  return text;
}
