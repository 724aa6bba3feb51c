// The command line's record conversions: a record file (.棋譜) to KIF and back. Each returns the
// exit status, 0 or 1, and says what went wrong on `err` in Japanese.
#pragma once

#include <iosfwd>
#include <string>

// A record file to KIF: .kifu is written as UTF-8, any other name (.kif) as Shift-JIS.
int kif_command_to_kif(const std::string& in, const std::string& out, std::ostream& err);
// KIF to a record file. A game the record file cannot hold (a handicap, a start of its own) is
// refused.
int kif_command_from_kif(const std::string& in, const std::string& out, std::ostream& err);
