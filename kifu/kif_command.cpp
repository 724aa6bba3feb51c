// --to-kif and --from-kif: a record read into a game nobody sees, and written the other way.
#include "kifu/kif_command.h"

#include <fstream>
#include <map>
#include <ostream>

#include "kifu/kif.h"
#include "shell/Encoding.h"
#include "shell/Form1.h"
#include "shell/QuietWindow.h"

namespace {

constexpr const char* kUtf8Extension = ".kifu";
constexpr int kFailed = 1;

// A silent window that keeps the texts of its boxes, where the record file's headers are typed.
class TextWindow : public QuietWindow {
 public:
  void SetText(Control c, const std::string& text) override { texts_[c] = text; }
  std::string Text(Control c) override { return texts_[c]; }

 private:
  std::map<Control, std::string> texts_;
};

bool ends_with(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

int fail(std::ostream& err, const std::string& message) {
  err << message << "\n";
  return kFailed;
}

int save(const std::string& out, const std::string& bytes, std::ostream& err) {
  std::ofstream file(out, std::ios::binary);
  if (file << bytes && file.flush()) return 0;
  return fail(err, "書き込めません: " + out);
}

// The record file's first three lines: the title and the upper and lower players.
kif::Header record_file_header(std::istream& in) {
  std::string lines[3];
  for (std::string& line : lines) {
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = sjis::to_display(line);
  }
  in.clear();
  in.seekg(0);
  return {"", lines[0], lines[1], lines[2]};
}

}  // namespace

int kif_command_to_kif(const std::string& in, const std::string& out, std::ostream& err) {
  std::ifstream file(in, std::ios::binary);
  if (!file) return fail(err, "読み込めません: " + in);
  const kif::Header header = record_file_header(file);
  TextWindow w;
  Form1 f(w);
  if (const std::string refusal = f.読込_棋譜(file); !refusal.empty()) return fail(err, refusal);
  const std::string text = kif::write(f, header);
  return save(out, ends_with(out, kUtf8Extension) ? kif::as_kifu(text) : kif::as_kif(text), err);
}

int kif_command_from_kif(const std::string& in, const std::string& out, std::ostream& err) {
  std::ifstream file(in, std::ios::binary);
  if (!file) return fail(err, "読み込めません: " + in);
  TextWindow w;
  Form1 f(w);
  kif::Header header;
  if (const std::string refusal = kif::read(f, file, &header); !refusal.empty())
    return fail(err, refusal);
  if (const std::string refusal = kif::refusal_for_record_file(f); !refusal.empty())
    return fail(err, refusal);
  if (f.kifu_saigo < 1) return fail(err, "保存するデータがありません");
  // The record file names 先手 first among the players' boxes, as its dialog does.
  const bool lower_first = f.man_te == Form1::te_sente;
  w.SetText(Control::Text2, header.title);
  w.SetText(Control::Text3, lower_first ? header.lower : header.upper);
  w.SetText(Control::Text4, lower_first ? header.upper : header.lower);
  return save(out, f.変換_棋譜ファイル(), err);
}
