// The game as a player gets it: installed under a prefix of its own by `cmake --install` (or the
// game named by LUMINAK_INSTALLED_GAME, such as the Debian package unpacked), and the build
// folder's own, each started from another working folder on the offscreen platform. Each finds
// its pictures, sounds and sound library and paints the title on its first frame; an installed
// game's menu entry starts it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <string>

#include "tests/qt/QtHelpers.h"

namespace {

using F = Form1;

const QString kSettingsFile = QStringLiteral("Vexaルミナーク将棋.ini");
const QString kGameInPrefix = QStringLiteral("games/luminak-shogi");  // where Debian keeps games
constexpr int kWaitMs = 120000;
constexpr int kStartMs = 1500, kEndMs = 10000, kPollMs = 20;

struct GameRun {
  int status = -1;
  QString out, err;
  QImage frame;
};

// The game is started offscreen, in a home and working folder of its own.
void prepare(QProcess& p, const QTemporaryDir& home, const char* audio = "dummy") {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", audio);
  env.insert("HOME", home.path());
  env.insert("XDG_CONFIG_HOME", home.filePath("config"));
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(home.path());
}

// Starts the game with --first-frame.
GameRun run_game(const QString& game, const QTemporaryDir& home) {
  QProcess p;
  prepare(p, home);
  const QString frame = home.filePath("frame.png");
  p.start(game, {"--first-frame", frame});
  GameRun r;
  if (!p.waitForFinished(kWaitMs)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  r.frame = QImage(frame).convertToFormat(QImage::Format_RGB32);
  return r;
}

// Starts the game for good and, once it has started, sends it `sig`: whether it ended in time
// as it ends when the window is closed: status 0, the window's own settings file written (not
// death by the signal). Without an audio output its start-up warns in a message box, which is
// then open.
// The process has its handler of `sig` in place (its caught signals, as Linux shows them).
bool catches(qint64 pid, int sig) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& l : status.readAll().split('\n'))
    if (l.startsWith("SigCgt:"))
      return (l.mid(7).trimmed().toULongLong(nullptr, 16) >> (sig - 1)) & 1;
  return false;
}

// What went wrong, or "" when the game ended as it should.
std::string ends_on_signal(const QString& game, int sig, const char* audio) {
  QTemporaryDir home;
  QProcess p;
  prepare(p, home, audio);
  p.setChildProcessModifier([] {
    for (int s : {SIGTERM, SIGINT, SIGHUP}) signal(s, SIG_DFL);  // none ignored, as in a terminal
  });
  p.start(game, {});
  if (!p.waitForStarted(kWaitMs)) return "did not start";
  auto ended_early = [&p](const char* when) {
    return std::string("ended by itself ") + when + ", status " + std::to_string(p.exitCode()) +
           (p.exitStatus() == QProcess::CrashExit ? " (crashed)" : "") + ": " +
           p.readAllStandardError().toStdString();
  };
  // However slow the machine, the signal comes once the game listens for it.
  for (QElapsedTimer t; !catches(p.processId(), sig);) {
    if (!t.isValid()) t.start();
    if (p.waitForFinished(kPollMs)) return ended_early("while starting");
    if (t.elapsed() > kWaitMs) return "never caught the signal";
  }
  if (p.waitForFinished(kStartMs)) return ended_early("once started");
  ::kill(static_cast<pid_t>(p.processId()), sig);
  if (!p.waitForFinished(kEndMs)) {
    p.kill();
    p.waitForFinished();
    return "did not end";
  }
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return "ended with status " + std::to_string(p.exitCode()) +
           (p.exitStatus() == QProcess::CrashExit ? " (by the signal)" : "");
  if (!QFileInfo::exists(home.filePath("config/luminak-shogi/luminak-shogi.conf")))
    return "the window's settings were not written";
  return "";
}

void expect_ends_on_signals(const QString& game) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP})
    EXPECT_EQ(ends_on_signal(game, sig, "dummy"), "") << strsignal(sig);
  EXPECT_EQ(ends_on_signal(game, SIGTERM, "none"), "") << "with a message box open";
}

QString line(const GameRun& r, const QString& key) {
  for (const QString& l : r.out.split('\n'))
    if (l.startsWith(key + ": ")) return l.mid(key.size() + 2);
  return {};
}

class InstalledGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qt_app();
    game_ = qEnvironmentVariable("LUMINAK_INSTALLED_GAME");
    if (!game_.isEmpty()) return;
    prefix_ = new QTemporaryDir;
    QProcess install;
    install.start(LUMINAK_CMAKE_COMMAND,
                  {"--install", LUMINAK_BUILD_DIR, "--prefix", prefix_->path()});
    install.waitForFinished(kWaitMs);
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    game_ = prefix_->filePath(kGameInPrefix);
  }
  static void TearDownTestSuite() {
    delete prefix_;
    prefix_ = nullptr;
  }
  static QString prefix() { return QDir::cleanPath(QFileInfo(game_).absolutePath() + "/.."); }

  static inline QString game_;
  static inline QTemporaryDir* prefix_ = nullptr;
};

// What every start shows: all found and loaded, the title on the first frame.
void expect_started(const GameRun& r, const QString& pictures, const QString& library) {
  EXPECT_EQ(r.status, 0) << r.out.toStdString() << r.err.toStdString();
  EXPECT_FALSE(r.err.contains("message box")) << r.err.toStdString();
  EXPECT_EQ(line(r, "pictures"), pictures);
  EXPECT_EQ(line(r, "sound library"), library + " (opened)");
  EXPECT_TRUE(line(r, "sounds").endsWith("(7 of 7 loaded)")) << r.out.toStdString();
  ASSERT_FALSE(r.frame.isNull()) << "no first frame";
  EXPECT_TRUE(shows_picture(r.frame, Picture::VexaSHOGI, F::cell_x(10.8), F::cell_y(0)));
  EXPECT_TRUE(shows_picture(r.frame, Picture::SITA_OU, F::cell_x(5), F::cell_y(9)));
}

TEST_F(InstalledGame, StartsFromAnotherFolderAndKeepsItsSettingsInTheConfigFolder) {
  QTemporaryDir home;
  const GameRun r = run_game(game_, home);
  expect_started(r, prefix() + "/share/luminak-shogi/pictures",
                 prefix() + "/lib/luminak-shogi/Vexaルミナーク将棋.so");
  const QString settings = home.filePath("config/luminak-shogi/") + kSettingsFile;
  EXPECT_EQ(line(r, "settings"), settings);
  EXPECT_TRUE(QFileInfo::exists(settings));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(game_).absolutePath() + "/" + kSettingsFile))
      << "nothing beside it";
}

// Both sets of pieces come along: the international one in pictures/intl.
TEST_F(InstalledGame, CarriesTheInternationalPieces) {
  const QStringList pngs{QStringLiteral("*.png")};
  const QStringList intl = QDir(source_assets() + "/pictures/intl").entryList(pngs);
  ASSERT_FALSE(intl.isEmpty());
  EXPECT_EQ(QDir(prefix() + "/share/luminak-shogi/pictures/intl").entryList(pngs), intl);
}

// The menu entry names the game by the full path the install gave it.
TEST_F(InstalledGame, ItsMenuEntryStartsIt) {
  if (prefix_ == nullptr)
    GTEST_SKIP() << "an unpacked package: scripts/package.sh checks its entry";
  QFile entry(prefix() + "/share/applications/luminak-shogi.desktop");
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
  EXPECT_TRUE(QString::fromUtf8(entry.readAll()).split('\n').contains("Exec=" + game_));
}

TEST_F(InstalledGame, WithoutItsPicturesItSaysSoAndEnds) {
  // The same game with its executable and sound library, but no share/ folder.
  QTemporaryDir broken;
  ASSERT_TRUE(QDir(broken.path()).mkpath("games") &&
              QDir(broken.path()).mkpath("lib/luminak-shogi"));
  const QString game = broken.filePath(kGameInPrefix);
  ASSERT_TRUE(QFile::copy(game_, game));
  QTemporaryDir home;
  const GameRun r = run_game(game, home);
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(QStringLiteral("「KARA_MASU.png」が見つかりません")))
      << r.err.toStdString();
  EXPECT_TRUE(r.err.contains(broken.filePath("share/luminak-shogi/pictures")));
  EXPECT_TRUE(r.frame.isNull()) << "no window";
}

TEST(BuildFolderGame, StartsFromAnotherFolderWithItsFilesBesideIt) {
  qt_app();
  const QString folder = QStringLiteral(LUMINAK_BUILD_GAME_FOLDER);
  QTemporaryDir home;
  const GameRun r = run_game(folder + "/luminak-shogi", home);
  expect_started(r, folder + "/assets/pictures", folder + "/Vexaルミナーク将棋.so");
  EXPECT_EQ(line(r, "settings"), folder + "/" + kSettingsFile);
}

TEST_F(InstalledGame, EndsOnSignals) {
  expect_ends_on_signals(game_);
}

TEST(BuildFolderGame, EndsOnSignals) {
  qt_app();
  expect_ends_on_signals(QStringLiteral(LUMINAK_BUILD_GAME_FOLDER) + "/luminak-shogi");
}

}  // namespace
