#pragma once

#include <cstddef>
#include <string>
#include <string_view>

bool isValidUtf8(std::string_view bytes);

// The longest prefix of bytes that ends on a UTF-8 character boundary and is at most
// maxBytes long.
std::size_t utf8PrefixLength(std::string_view utf8, std::size_t maxBytes);

std::string windows1252ToUtf8(std::string_view bytes);
std::string utf8ToWindows1252(std::string_view utf8, bool* allRepresentable = nullptr);

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);
