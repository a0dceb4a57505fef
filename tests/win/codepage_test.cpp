#include "app/codepage.h"
#include "web/utf8_to_local.h"

#include <gtest/gtest.h>

namespace {

Bytes B(std::initializer_list<int> bytes) {
  Bytes out;
  for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
  return out;
}

TEST(Utf8ToLocal, DecodesTheSitesUtf8IntoGbkText) {
  const struct {
    Bytes body;
    Text expected;
  } cases[] = {
      {{}, ""},
      {B({'a', 'b', 'c'}), "abc"},
      {B({0xE4, 0xB8, 0xAD, 0xE6, 0x96, 0x87}), "\xD6\xD0\xCE\xC4"},
      {B({'a', 0, 'b'}), "a"},       // a NUL ends the text
      {B({0xE0, 0xB8, 0x81}), "?"},  // Thai ko kai: GBK has no such character
      {B({0xE5, 0x9B, 0xBE, 0xE7, 0x89, 0x87, ' ', '1'}), "图片 1"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToLocal(c.body), c.expected);
}

TEST(CodePage, TextIsCodePage936WhateverTheLocale) {
  EXPECT_EQ(WideFromText("中文"), L"中文");
  EXPECT_EQ(TextFromWide(L"中文"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(WideFromText("\x81\x5C"), L"乗");
  EXPECT_EQ(TextFromWide(WideFromText("相册：第1张")), "相册：第1张");
  EXPECT_EQ(WideFromText(""), L"");
  EXPECT_EQ(TextFromWide(L""), "");
}

}  // namespace
