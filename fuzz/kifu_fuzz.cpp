// libFuzzer target: any bytes loaded as a record file, stepped to the end and back, saved
// again, and written as KIF that reads back the same. A crash, a sanitizer report or a saved file out of shape is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "kifu/kif.h"
#include "shell/Form1.h"
#include "shell/QuietWindow.h"

namespace {

constexpr size_t kHeaderLines = 3, kMoveLine = 534;

// Every line ends with CR LF, the move lines are all of one length, and there is one for
// each snapshot.
bool well_formed(const std::string& file, long moves) {
  size_t lines = 0, start = 0;
  for (size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
    if (lines >= kHeaderLines && end - start != kMoveLine) return false;
    ++lines;
  }
  return start == file.size() && lines == kHeaderLines + static_cast<size_t>(moves);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietWindow w;
  Form1 f(w);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  f.読込_棋譜(in);
  for (long n = 0; n < f.kifu_saigo; ++n) f.AFTER_Click();
  while (f.kifu_tesuu > 0) f.REPLAY_Click();
  if (!well_formed(f.変換_棋譜ファイル(), f.kifu_saigo)) __builtin_trap();
  // Its plies, as far as they follow the rules, as KIF: read back, the same text again.
  const kif::Header h = kif::default_header(f);
  const std::string text = kif::write(f, h);
  QuietWindow w2;
  Form1 g(w2);
  std::istringstream again(text);
  if (!kif::read(g, again).empty() || kif::write(g, h) != text) __builtin_trap();
  return 0;
}
