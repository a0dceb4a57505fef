#pragma once
#include "app/text.h"

// Appends the default headers (Accept, Referer, Accept-Language, User-Agent, Content-Type) that
// the header text does not already hold. Each test is a case-sensitive search anywhere in the
// text as the previous steps left it, so "X-Accept:" counts as an Accept header.
Text CompleteRequestHeaders(const Text& headers, const Text& url);

// Name and value of one header line, split at its first colon and trimmed; "" without a colon.
Text HeaderName(const Text& line);
Text HeaderValue(const Text& line);
