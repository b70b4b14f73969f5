#pragma once
#include <cstddef>
#include <string>

namespace brivane {

// Texts of at least `limit` characters lose their middle: the first 40 % and the last 60 % of `limit`
// characters are kept around " ... ". A text that would not get shorter that way stays as it is.
std::wstring shortenLabel(const std::wstring& text, std::size_t limit);

// Paths of at least `limit` characters keep their root up to the first "\" and their last 85 % of
// `limit` characters, joined by "...". A path that would not get shorter that way stays as it is.
std::wstring shortenPath(const std::wstring& text, std::size_t limit);

}  // namespace brivane
