// Shift-JIS (code page 932) and UTF-8: the game's files are Shift-JIS, its texts UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sjis {

// A character that code page 932 cannot hold is written as "?".
std::string from_utf8(std::string_view utf8);
// Nothing when the bytes are not valid code page 932.
std::optional<std::string> to_utf8(std::string_view sjis);
bool is_utf8(std::string_view bytes);
// A text read from a file for showing: Shift-JIS, else UTF-8, else Shift-JIS with "?" for
// every byte that does not convert.
std::string to_display(std::string_view bytes);

}  // namespace sjis
