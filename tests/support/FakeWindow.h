// A recording window: logs every call in order, answers message boxes from a script and keeps
// a clock that only moves when the game waits. Shared by every test.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/Form1.h"
#include "shell/Sound.h"
#include "shell/Window.h"

struct Call {
  enum Kind {
    BackColor,
    Paint,
    Box,
    Text,
    Refresh,
    MoveImage,
    ShowImage,
    Check,
    Enable,
    Message,
    Timer,
    Sleep,
    MoveWindow,
    SizeWindow,
    End,
    Visible,
    SetText,
    SetPath,
    Play,
    PlayLooping,
    Stop,
    Free,
    Initialize,
    Create,
    Terminate
  };
  Kind kind = Refresh;
  Picture picture = Picture::Count;
  Image image = Image::Count;
  Menu menu = Menu::Count;
  Control control = Control::Count;
  double x = 0, y = 0, x2 = 0, y2 = 0;  // twips; size for text
  int colour = -1;
  bool flag = false;  // bold, visible, checked, enabled, timer on
  int buttons = 0;
  int sound = 0;  // buffer or device handle
  std::string text, title;
};

class FakeWindow : public Window, public SoundLibrary {
 public:
  std::vector<Call> calls;
  std::deque<int> answers;  // message box answers, in order; OK or Yes when empty
  double now = 12 * 3600;   // seconds since midnight
  double tick = 0;          // the clock moves by this much on every reading
  Placement placement{0, 0, 9000, 8000, false};
  bool checked[static_cast<int>(Menu::Count)] = {};
  bool enabled[static_cast<int>(Menu::Count)] = {};
  bool timer_on = false;
  bool ended = false;
  bool image_visible[static_cast<int>(Image::Count)] = {};
  std::string texts[static_cast<int>(Control::Count)];
  bool control_visible[static_cast<int>(Control::Count)] = {};
  std::string paths[static_cast<int>(Control::Count)];  // Dir1 and File1; any real folder reads

  FakeWindow() {
    for (bool& e : enabled) e = true;
  }

  // ---- Window ----------------------------------------------------------------------------
  void SetBackColor(int c) override {
    Call r;
    r.kind = Call::BackColor;
    r.colour = c;
    add(std::move(r));
  }
  void PaintPicture(Picture p, double x, double y) override {
    Call r;
    r.kind = Call::Paint;
    r.picture = p;
    r.x = x;
    r.y = y;
    add(std::move(r));
  }
  void DrawBox(double x1, double y1, double x2, double y2, int c) override {
    Call r;
    r.kind = Call::Box;
    r.x = x1;
    r.y = y1;
    r.x2 = x2;
    r.y2 = y2;
    r.colour = c;
    add(std::move(r));
  }
  void PrintText(double x, double y, const std::string& t, double size, bool bold, int c) override {
    Call r;
    r.kind = Call::Text;
    r.x = x;
    r.y = y;
    r.x2 = size;
    r.colour = c;
    r.flag = bold;
    r.text = t;
    add(std::move(r));
  }
  void Refresh() override {
    Call r;
    r.kind = Call::Refresh;
    add(std::move(r));
  }
  void MoveImage(Image i, double left, double top) override {
    Call r;
    r.kind = Call::MoveImage;
    r.image = i;
    r.x = left;
    r.y = top;
    add(std::move(r));
  }
  void ShowImage(Image i, bool v) override {
    image_visible[static_cast<int>(i)] = v;
    Call r;
    r.kind = Call::ShowImage;
    r.image = i;
    r.flag = v;
    add(std::move(r));
  }
  void SetChecked(Menu m, bool c) override {
    checked[static_cast<int>(m)] = c;
    Call r;
    r.kind = Call::Check;
    r.menu = m;
    r.flag = c;
    add(std::move(r));
  }
  bool Checked(Menu m) override { return checked[static_cast<int>(m)]; }
  void SetEnabled(Menu m, bool e) override {
    enabled[static_cast<int>(m)] = e;
    Call r;
    r.kind = Call::Enable;
    r.menu = m;
    r.flag = e;
    add(std::move(r));
  }
  int MsgBox(const std::string& t, int buttons, const std::string& title) override {
    Call r;
    r.kind = Call::Message;
    r.buttons = buttons;
    r.text = t;
    r.title = title;
    add(std::move(r));
    if (answers.empty()) return (buttons & 7) == mb::YesNo ? mb::Yes : mb::OK;
    int a = answers.front();
    answers.pop_front();
    return a;
  }
  void SetTimerEnabled(bool on) override {
    timer_on = on;
    Call r;
    r.kind = Call::Timer;
    r.flag = on;
    add(std::move(r));
  }
  bool TimerEnabled() override { return timer_on; }
  double Seconds() override {
    double s = now;
    advance(tick);
    return s;
  }
  void Sleep(double seconds) override {
    Call r;
    r.kind = Call::Sleep;
    r.x = seconds;
    add(std::move(r));
    advance(seconds);
  }
  Placement GetPlacement() override { return placement; }
  void MoveWindow(double left, double top) override {
    placement.left = left;
    placement.top = top;
    Call r;
    r.kind = Call::MoveWindow;
    r.x = left;
    r.y = top;
    add(std::move(r));
  }
  void SizeWindow(double w, double h) override {
    placement.width = w;
    placement.height = h;
    Call r;
    r.kind = Call::SizeWindow;
    r.x = w;
    r.y = h;
    add(std::move(r));
  }
  void End() override {
    ended = true;
    Call r;
    r.kind = Call::End;
    add(std::move(r));
  }
  void SetVisible(Control c, bool v) override {
    control_visible[static_cast<int>(c)] = v;
    Call r;
    r.kind = Call::Visible;
    r.control = c;
    r.flag = v;
    add(std::move(r));
  }
  void SetText(Control c, const std::string& t) override {
    texts[static_cast<int>(c)] = t;
    Call r;
    r.kind = Call::SetText;
    r.control = c;
    r.text = t;
    add(std::move(r));
  }
  std::string Text(Control c) override { return texts[static_cast<int>(c)]; }
  bool SetPath(Control c, const std::string& path) override {
    Call r;
    r.kind = Call::SetPath;
    r.control = c;
    r.text = path;
    std::error_code e;
    const bool ok = std::filesystem::is_directory(path, e);
    if (ok) paths[static_cast<int>(c)] = path;
    r.flag = ok;
    add(std::move(r));
    return ok;
  }
  std::string Path(Control c) override { return paths[static_cast<int>(c)]; }

  // ---- SoundLibrary ------------------------------------------------------------------------
  // Hands out a device and then buffer handles counting from 1; device 0 makes the device fail.
  std::int32_t device = 1;
  std::int32_t last_buffer = 0;

  std::int32_t dsInitialize(std::int32_t) override {
    sound_call(Call::Initialize, device);
    return device;
  }
  std::int32_t dsTerminate(std::int32_t d) override { return sound_call(Call::Terminate, d); }
  // Records the length in x and the count in buttons.
  std::int32_t dsCreateDSB(std::int32_t d, const void*, std::int32_t length,
                           std::int32_t count) override {
    const std::int32_t b = d != 0 && d == device ? ++last_buffer : 0;
    Call r;
    r.kind = Call::Create;
    r.sound = b;
    r.x = length;
    r.buttons = count;
    add(std::move(r));
    return b;
  }
  std::int32_t dsFree(std::int32_t b) override { return sound_call(Call::Free, b); }
  std::int32_t dsPlay(std::int32_t b) override { return sound_call(Call::Play, b); }
  std::int32_t dsPlayLooping(std::int32_t b) override { return sound_call(Call::PlayLooping, b); }
  std::int32_t dsStop(std::int32_t b) override { return sound_call(Call::Stop, b); }

  // ---- Queries -----------------------------------------------------------------------------
  void clear() { calls.clear(); }

  std::vector<Call> of(Call::Kind k) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.kind == k) out.push_back(c);
    return out;
  }
  std::vector<Call> messages() const { return of(Call::Message); }
  std::vector<Call> texts_printed() const { return of(Call::Text); }

  // Texts printed with their origin at cell (column, row), in order.
  std::vector<Call> texts_at_cell(double column, double row) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.kind == Call::Text && same(c.x, Form1::cell_x(column)) && same(c.y, Form1::cell_y(row)))
        out.push_back(c);
    return out;
  }

  // The picture last painted with its top-left corner exactly at (x, y), if any.
  std::optional<Picture> painted_at(double x, double y) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
      if (it->kind == Call::Paint && same(it->x, x) && same(it->y, y)) return it->picture;
    return std::nullopt;
  }
  // The picture last painted at cell (column, row) of the board grid.
  std::optional<Picture> painted_at_cell(double column, double row) const {
    return painted_at(Form1::cell_x(column), Form1::cell_y(row));
  }
  int paints_at_cell(double column, double row) const {
    int n = 0;
    for (const Call& c : calls)
      if (c.kind == Call::Paint && same(c.x, Form1::cell_x(column)) &&
          same(c.y, Form1::cell_y(row)))
        ++n;
    return n;
  }
  // Index in calls of the last outline of cell (column, row), or -1.
  int last_box_of_cell(double column, double row) const {
    for (int i = static_cast<int>(calls.size()) - 1; i >= 0; --i) {
      const Call& c = calls[i];
      if (c.kind == Call::Box && same(c.x, Form1::cell_x(column)) && same(c.y, Form1::cell_y(row)))
        return i;
    }
    return -1;
  }
  // Index of the last paint of any picture whose area overlaps the cell's outline, or -1.
  int last_paint_touching(double column, double row) const {
    double x1 = Form1::cell_x(column), y1 = Form1::cell_y(row);
    double x2 = Form1::cell_x(column + 1), y2 = Form1::cell_y(row + 1);
    for (int i = static_cast<int>(calls.size()) - 1; i >= 0; --i) {
      const Call& c = calls[i];
      if (c.kind != Call::Paint) continue;
      Size s = picture_size(c.picture);
      if (c.x <= x2 && c.x + s.w >= x1 && c.y <= y2 && c.y + s.h >= y1) return i;
    }
    return -1;
  }

  static bool same(double a, double b) { return a - b < 0.01 && b - a < 0.01; }

 private:
  void add(Call c) { calls.push_back(std::move(c)); }
  std::int32_t sound_call(Call::Kind k, std::int32_t handle) {
    Call r;
    r.kind = k;
    r.sound = handle;
    add(std::move(r));
    return handle != 0;
  }
  void advance(double s) {
    now += s;
    if (now >= 86400) now -= 86400;
  }
};
