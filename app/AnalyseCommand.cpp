// The analysis command: the record read by the game's own loader on a window that shows
// nothing and keeps the loader's messages, then every position scored by engine::Analysis.
#include "app/AnalyseCommand.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

#include "engine/form/RecordPositions.h"
#include "kifu/notation.h"
#include "shell/Form1.h"
#include "shell/QuietWindow.h"

namespace {

using namespace engine;

constexpr std::string_view kAnalyse = "--analyse", kSeconds = "--seconds", kNodes = "--nodes";
constexpr int kUsageError = 2, kNotARecord = 1;
constexpr const char* kNone = "-";

// The record picker's folder and name for the file, and every message box kept.
class RecordWindow : public QuietWindow {
 public:
  explicit RecordWindow(const std::filesystem::path& file)
      : folder_(file.parent_path().string()), name_(file.filename().string()) {}
  std::string Text(::Control c) override { return c == ::Control::File1 ? name_ : std::string(); }
  std::string Path(::Control c) override { return c == ::Control::File1 ? folder_ : std::string(); }
  int MsgBox(const std::string& text, int buttons, const std::string& title) override {
    messages.push_back(text);
    return QuietWindow::MsgBox(text, buttons, title);
  }
  std::vector<std::string> messages;

 private:
  std::string folder_, name_;
};

// A message box's text on one line.
std::string one_line(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

struct Request {
  std::string file;
  AnalysisSettings settings;
};

bool parse(int argc, char** argv, Request& r) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string_view a = argv[i];
    const char* value = argv[i + 1];
    if (a == kAnalyse) {
      r.file = value;
    } else if (a == kSeconds) {
      r.settings.limits = {std::atof(value), 0};
      if (r.settings.limits.seconds <= 0) return false;
    } else if (a == kNodes) {
      r.settings.limits = {0, std::atol(value)};
      if (r.settings.limits.nodes <= 0) return false;
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && !r.file.empty();
}

}  // namespace

bool wants_analysis(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (argv[i] == kAnalyse) return true;
  return false;
}

std::string score_text(const PositionScore& s) {
  if (!s.scored) return kNone;
  if (s.win_plies != 0)
    return (s.win_plies > 0 ? "+詰" : "-詰") + std::to_string(std::abs(s.win_plies));
  return (s.score > 0 ? "+" : "") + std::to_string(s.score);
}

std::string turn_text(const Position& p, Move m, Side named_from, int previous_to) {
  return m.empty() ? kNone : notation::japanese(p, m, named_from, previous_to);
}

std::string analysis_line(long ply, const PositionScore& s, const std::string& turn) {
  return std::to_string(ply) + "\t" + score_text(s) + "\t" + (s.scored ? turn : kNone);
}

int analyse_command(int argc, char** argv, std::ostream& out, std::ostream& err) {
  Request r;
  if (!parse(argc, argv, r)) {
    err << "usage: luminak-shogi --analyse FILE.棋譜 [--seconds S | --nodes N]\n";
    return kUsageError;
  }
  const auto start = std::chrono::steady_clock::now();
  RecordWindow w(r.file);
  Form1 f(w);
  f.File1_Click();
  if (f.kifu_mode != Form1::ari) {  // refused: the game is as it was
    err << (w.messages.empty() ? r.file : one_line(w.messages.back())) << "\n";
    return kNotARecord;
  }
  const notation::Plies plies = notation::record_plies(f);
  const std::vector<Position> positions = record_positions(f, plies.sente);
  Analysis analysis;
  const std::vector<PositionScore> scores = analysis.run(with_history(positions), r.settings);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    // The move that led here, for 同.
    const int previous_to = i > 0 && i <= plies.plies.size() ? plies.plies[i - 1].turn.to() : 0;
    out << analysis_line(static_cast<long>(i), scores[i],
                         turn_text(positions[i], scores[i].best, plies.named_from, previous_to))
        << "\n";
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char tail[64];
  std::snprintf(tail, sizeof tail, "analysed %zu positions in %.1f s", positions.size(), seconds);
  out << tail << "\n";
  return 0;
}
