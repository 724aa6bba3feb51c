// What the player sees and hears from a moment on, read from the recording window's log: the
// outlines and their colours, the pictures, the coloured texts, the image controls, the
// messages and the sounds. Tests take a look before an action and ask it afterwards.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/FakeWindow.h"

class Seen {
 public:
  explicit Seen(const FakeWindow& w) : w_(&w), from_(w.calls.size()) {}

  // The colours an outline around cell (column, row) was drawn in, in order.
  std::vector<int> outlines(double column, double row) const {
    std::vector<int> out;
    for (const Call& c : since())
      if (c.kind == Call::Box && around(c, column, row)) out.push_back(c.colour);
    return out;
  }
  // The colour of the last outline around the cell, or -1 when none was drawn.
  int outline(double column, double row) const {
    const std::vector<int> all = outlines(column, row);
    return all.empty() ? -1 : all.back();
  }
  // The board squares whose outline was last drawn in this colour.
  std::set<std::pair<int, int>> squares(int colour) const {
    std::set<std::pair<int, int>> out;
    for (int x = 1; x <= Form1::ban_max; ++x)
      for (int y = 1; y <= Form1::ban_max; ++y)
        if (outline(x, y) == colour) out.insert({x, y});
    return out;
  }

  // The pictures painted at cell (column, row), in order, and the last of them.
  std::vector<Picture> pictures(double column, double row) const {
    std::vector<Picture> out;
    for (const Call& c : since())
      if (c.kind == Call::Paint && FakeWindow::same(c.x, Form1::cell_x(column)) &&
          FakeWindow::same(c.y, Form1::cell_y(row)))
        out.push_back(c.picture);
    return out;
  }
  std::optional<Picture> picture(double column, double row) const {
    const std::vector<Picture> all = pictures(column, row);
    return all.empty() ? std::nullopt : std::optional<Picture>(all.back());
  }
  // A piece blinked in the cell: emptied and shown again, twice over.
  bool blinked(double column, double row, Picture piece) const {
    const std::vector<Picture> blink = {Picture::KARA_MASU, piece, Picture::KARA_MASU, piece};
    const std::vector<Picture> all = pictures(column, row);
    return std::search(all.begin(), all.end(), blink.begin(), blink.end()) != all.end();
  }

  // Whether these texts were printed, one after another, where and in the colours they name.
  bool printed(const std::vector<Call>& texts) const {
    std::vector<Call> all;
    for (const Call& c : since())
      if (c.kind == Call::Text) all.push_back(c);
    return std::search(all.begin(), all.end(), texts.begin(), texts.end(),
                       [](const Call& a, const Call& b) {
                         return a.text == b.text && a.colour == b.colour &&
                                FakeWindow::same(a.x, b.x) && FakeWindow::same(a.y, b.y);
                       }) != all.end();
  }
  // The notation the screen prints for a move of the upper or the lower side: the texts to
  // look for with printed().
  static std::vector<Call> notation(bool upper, Int x, Int y, Int code, Int colour) {
    FakeWindow w;
    Form1 f(w);
    f.描画_移動結果(upper ? f.com_te : f.man_te, x, y, code, colour);
    return w.texts_printed();
  }

  // The texts printed in a colour, joined in order: what their faces read. The black shadows
  // under them are left out.
  std::string faces() const {
    std::string out;
    for (const Call& c : since())
      if (c.kind == Call::Text && c.colour != Form1::iro_kuro) out += c.text;
    return out;
  }

  // Whether image control i was shown with its picture over cell (column, row).
  bool shown_over(Image i, double column, double row) const {
    double left = 0, top = 0;
    for (std::size_t k = 0; k < w_->calls.size(); ++k) {
      const Call& c = w_->calls[k];
      if (c.image != i) continue;
      if (c.kind == Call::MoveImage) {
        left = c.x;
        top = c.y;
      } else if (c.kind == Call::ShowImage && c.flag && k >= from_) {
        const Size s = image_size(i);
        if (left < Form1::cell_x(column + 1) && left + s.w > Form1::cell_x(column) &&
            top < Form1::cell_y(row + 1) && top + s.h > Form1::cell_y(row))
          return true;
      }
    }
    return false;
  }

  // The message boxes' texts, in order.
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const Call& c : since())
      if (c.kind == Call::Message) out.push_back(c.text);
    return out;
  }

  // The sounds played, in order.
  std::vector<int> sounds() const { return handles(Call::Play); }
  // The music started looping, in order.
  std::vector<int> music() const { return handles(Call::PlayLooping); }

 private:
  std::vector<int> handles(Call::Kind kind) const {
    std::vector<int> out;
    for (const Call& c : since())
      if (c.kind == kind) out.push_back(c.sound);
    return out;
  }
  struct Range {
    const Call *b, *e;
    const Call* begin() const { return b; }
    const Call* end() const { return e; }
  };
  Range since() const {
    const Call* all = w_->calls.data();
    return {all + from_, all + w_->calls.size()};
  }
  static bool around(const Call& c, double column, double row) {
    return FakeWindow::same(c.x, Form1::cell_x(column)) &&
           FakeWindow::same(c.y, Form1::cell_y(row)) &&
           FakeWindow::same(c.x2, Form1::cell_x(column + 1)) &&
           FakeWindow::same(c.y2, Form1::cell_y(row + 1));
  }

  const FakeWindow* w_;
  std::size_t from_;
};
