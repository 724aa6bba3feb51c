// libFuzzer target: any bytes read as KIF. A game read is stepped to its end and back, written
// out, read again and written again: the two texts must be the same. A crash, a sanitizer
// report or a game that does not come back whole is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "kifu/kif.h"
#include "shell/Form1.h"
#include "shell/QuietWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietWindow w;
  Form1 f(w);
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  if (!kif::read(f, in).empty()) return 0;
  for (long n = 0; n < f.kifu_saigo; ++n) f.AFTER_Click();
  while (f.kifu_tesuu > 0) f.REPLAY_Click();
  const kif::Header h = kif::default_header(f);
  const std::string text = kif::write(f, h);
  QuietWindow w2;
  Form1 g(w2);
  std::istringstream again(text);
  if (!kif::read(g, again).empty() || kif::write(g, h) != text) __builtin_trap();
  return 0;
}
