// The game in English through its catalogue: every text the game can show has an English
// text, the language switches both ways without a restart, and a Japanese system sees the game
// exactly as it always was.
#include "app/Translation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>

#include "tests/qt/QtHelpers.h"

namespace {

const QString kSourceRoot = QStringLiteral(LUMINAK_SOURCE_ASSETS "/..");
const QStringList kFolders = {"shell", "rules", "com", "screen", "kifu", "app"};
// The calls that show a text, and the tables of texts the game shows through a variable.
const QRegularExpression kShowingCall(QStringLiteral("\\b(MsgBox|PrintText|print_at)\\("));
struct Table {
  const char* file;
  const char* name;
};
const Table kShownTables[] = {
    {"screen/status.cpp", "kHandeLabels"},    {"screen/status.cpp", "kTemoku"},
    {"screen/status.cpp", "kRefusals"},       {"screen/feedback.cpp", "kPieceNames"},
    {"screen/feedback.cpp", "kColumnDigits"}, {"screen/feedback.cpp", "kRowNumerals"},
    {"screen/board.cpp", "kKanjiNumerals"},   {"shell/sound.cpp", "kNoDevice"}};
const QRegularExpression kLiteral(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
const QRegularExpression kConstant(QStringLiteral("\\bk[A-Z]\\w*"));
const QRegularExpression kLineBreaks(QStringLiteral("\\\\r|\\\\n"));
const QRegularExpression kJapaneseLetter(
    QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}"
                   "\\x{FF00}-\\x{FFEF}]"));

QTranslator& catalogue() {
  static QTranslator* t = [] {
    qt_app();
    auto* c = new QTranslator;
    if (!c->load(translation::english_catalogue())) ADD_FAILURE() << "no English catalogue";
    return c;
  }();
  return *t;
}

bool translated(const QString& key) {
  return !catalogue().translate(translation::kContext, key.toUtf8().constData()).isEmpty();
}

// The texts of a literal's lines, as the window looks them up.
void add_literals(const QString& code, QSet<QString>& texts) {
  for (auto it = kLiteral.globalMatch(code); it.hasNext();)
    for (const QString& part : it.next().captured(1).split(kLineBreaks))
      if (!part.trimmed().isEmpty()) texts << part.trimmed();
}

// The statement that starts at `from`, up to its semicolon.
QString statement(const QString& code, qsizetype from) {
  const qsizetype end = code.indexOf(QChar(';'), from);
  return code.mid(from, end < 0 ? -1 : end - from);
}

// The literals of a constant's definition in the same file; false without one.
bool add_definition(const QString& code, const QString& name, QSet<QString>& texts) {
  const QRegularExpression definition(QStringLiteral("\\b%1\\b[^=;(]*=").arg(name));
  const auto m = definition.match(code);
  if (m.hasMatch()) add_literals(statement(code, m.capturedEnd()), texts);
  return m.hasMatch();
}

// Every text the core and the window show with MsgBox, PrintText or print_at, literally or
// through a named constant, and the texts of the tables they show through variables.
QSet<QString> shown_texts(QStringList& tables_found) {
  QSet<QString> texts;
  for (const QString& folder : kFolders) {
    const QDir dir(kSourceRoot + "/" + folder);
    for (const QString& name : dir.entryList({"*.cpp", "*.h"}, QDir::Files)) {
      QFile file(dir.filePath(name));
      if (!file.open(QIODevice::ReadOnly)) continue;
      const QString code = QString::fromUtf8(file.readAll());
      for (auto it = kShowingCall.globalMatch(code); it.hasNext();) {
        const QString call = statement(code, it.next().capturedStart());
        add_literals(call, texts);
        for (auto c = kConstant.globalMatch(call); c.hasNext();)
          add_definition(code, c.next().captured(), texts);
      }
    }
  }
  for (const Table& t : kShownTables) {
    QFile file(kSourceRoot + "/" + t.file);
    const QString code = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "";
    if (add_definition(code, QString::fromLatin1(t.name), texts))
      tables_found << QString::fromLatin1(t.name);
  }
  return texts;
}

// Every caption of the window's menus, as the window shows them now.
QMap<QAction*, QString> menu_texts(GameWindow& w) {
  QMap<QAction*, QString> texts;
  for (QAction* a : w.menuBar()->findChildren<QAction*>())
    if (!a->text().isEmpty() && !a->isSeparator()) texts[a] = a->text();
  return texts;
}

class TranslationTest : public ::testing::Test {
 protected:
  void TearDown() override { translation::use(translation::kJapanese); }
};

TEST_F(TranslationTest, EveryShownTextHasAnEnglishText) {
  ASSERT_FALSE(catalogue().isEmpty())
      << "no catalogue at " << translation::english_catalogue().toStdString();
  QStringList tables;
  const QSet<QString> texts = shown_texts(tables);
  ASSERT_FALSE(texts.isEmpty());
  for (const Table& t : kShownTables)
    EXPECT_TRUE(tables.contains(QString::fromLatin1(t.name))) << t.file << " " << t.name;
  for (const QString& t : texts) EXPECT_TRUE(translated(t)) << t.toStdString();

  auto w = started_window();
  for (const QString& t : menu_texts(*w)) EXPECT_TRUE(translated(t)) << t.toStdString();
  EXPECT_TRUE(translated(w->windowTitle()));
  for (Control c : {Control::Label1_0, Control::Label1_1, Control::Label1_2, Control::Label1_3,
                    Control::Command1})
    EXPECT_TRUE(translated(QString::fromStdString(w->Text(c)))) << w->Text(c);
}

// Names, paths and numbers pass unchanged; a line of a message is looked up alone.
TEST_F(TranslationTest, OnlyKnownTextsChange) {
  qt_app();
  translation::use(translation::kEnglish);
  ASSERT_TRUE(translation::english());
  for (const char* unknown : {"羽生善治", "/home/棋譜/対局.棋譜", "12", "対局 ", "Vexa"})
    EXPECT_EQ(translation::text(std::string(unknown)), QString::fromUtf8(unknown)) << unknown;
  const std::string path = "/tmp/対局.棋譜";
  const QString shown = translation::message("棋譜ﾌｧｲﾙではありません (12行目)\r\r" + path);
  EXPECT_TRUE(shown.endsWith(QString::fromStdString("\r\r" + path))) << shown.toStdString();
  EXPECT_FALSE(shown.section(QChar('\r'), 0, 0).contains(kJapaneseLetter)) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("12"))) << shown.toStdString();

  // In Japanese every text is itself.
  translation::use(translation::kJapanese);
  QStringList tables;
  for (const QString& t : shown_texts(tables)) EXPECT_EQ(translation::message(t.toStdString()), t);
}

TEST_F(TranslationTest, LanguageSwitchesBothWaysAtOnce) {
  BoxRecorder boxes;
  auto w = started_window();
  w->useJapanese();
  const QMap<QAction*, QString> japanese = menu_texts(*w);
  const QImage board = w->surface()->backing().copy();
  const QString title = w->windowTitle();
  w->action(Menu::VER)->trigger();

  w->useEnglish();
  settle();
  EXPECT_TRUE(w->action(AppAction::English)->isChecked());
  for (auto it = japanese.cbegin(); it != japanese.cend(); ++it) {
    const QString english =
        catalogue().translate(translation::kContext, it.value().toUtf8().constData());
    EXPECT_EQ(it.key()->text(), english) << it.value().toStdString();
  }
  EXPECT_FALSE(w->windowTitle().contains(kJapaneseLetter));
  EXPECT_NE(w->surface()->backing(), board);
  w->action(Menu::VER)->trigger();

  w->useJapanese();
  settle();
  EXPECT_EQ(menu_texts(*w), japanese);
  EXPECT_EQ(w->windowTitle(), title);
  EXPECT_EQ(w->surface()->backing(), board);
  w->action(Menu::VER)->trigger();

  ASSERT_EQ(boxes.texts.size(), 3);
  EXPECT_EQ(boxes.texts[2], boxes.texts[0]);
  EXPECT_EQ(boxes.titles[2], boxes.titles[0]);
  EXPECT_NE(boxes.texts[1], boxes.texts[0]);
  EXPECT_FALSE(boxes.texts[1].contains(kJapaneseLetter)) << boxes.texts[1].toStdString();
  EXPECT_FALSE(boxes.titles[1].contains(kJapaneseLetter)) << boxes.titles[1].toStdString();
  // The choice is kept for the next start.
  EXPECT_EQ(w->settings().value(AppOption::Language).toString(), translation::kJapanese);
}

// The game started by the system's language, on its first frame: `chosen` is the settings'
// language ("" follows the system).
QImage first_frame(const QString& lang, const QString& chosen) {
  QTemporaryDir home;
  if (!chosen.isEmpty()) {
    QDir().mkpath(home.filePath("config/luminak-shogi"));
    QFile conf(home.filePath("config/luminak-shogi/luminak-shogi.conf"));
    if (conf.open(QIODevice::WriteOnly)) conf.write("[view]\nlanguage=" + chosen.toUtf8() + "\n");
  }
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(v);
  env.insert("LANG", lang);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  env.insert("HOME", home.path());
  env.insert("XDG_CONFIG_HOME", home.filePath("config"));
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(home.path());
  const QString frame = home.filePath("frame.png");
  p.start(QStringLiteral(LUMINAK_BUILD_GAME_FOLDER "/luminak-shogi"), {"--first-frame", frame});
  if (!p.waitForFinished(120000)) p.kill();
  p.waitForFinished();
  return QImage(frame).convertToFormat(QImage::Format_RGB32);
}

TEST_F(TranslationTest, JapaneseSystemStartsAsAlways) {
  qt_app();
  const QImage japanese = first_frame("ja_JP.UTF-8", "");
  ASSERT_FALSE(japanese.isNull());
  // The same as a game told to show Japanese, and unlike the English one.
  EXPECT_EQ(japanese, first_frame("en_US.UTF-8", translation::kJapanese));
  EXPECT_NE(japanese, first_frame("en_US.UTF-8", ""));
}

}  // namespace
