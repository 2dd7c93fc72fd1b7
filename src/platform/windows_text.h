#pragma once

#include <cstdint>
#include <string>

namespace quenlit::platform {

// What Windows says of an error code (GetLastError's), in UTF-8, without its trailing newline.
std::string WindowsErrorText(uint32_t code);

// UTF-8 text to and from the UTF-16 text of Windows's wide functions.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);

}  // namespace quenlit::platform
