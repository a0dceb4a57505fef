#include "web/utf8_to_local.h"

#include "app/codepage.h"

Text Utf8ToLocal(const Bytes& body) {
  Text text = TextFromWide(WideFromUtf8(body));
  const std::size_t nul = text.find('\0');
  if (nul != Text::npos) text.resize(nul);
  return text;
}
