#include "app/Translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

namespace translation {

namespace {

QTranslator* installed = nullptr;

// A reason with a number in brackets at its end: the reason and the numbered part apart.
const QRegularExpression kNumbered(QStringLiteral("^(.*) \\((\\d+)(行目|手まで)\\)$"));

QString line(const QString& raw) {
  const QString key = raw.trimmed();
  if (key.isEmpty()) return raw;
  QString shown = text(key);
  if (const auto m = kNumbered.match(key); m.hasMatch() && shown == key)
    shown = text(m.captured(1)) + QStringLiteral(" (") +
            text(QStringLiteral("%1") + m.captured(3)).arg(m.captured(2)) + QStringLiteral(")");
  const qsizetype lead = raw.indexOf(key);
  return raw.left(lead) + shown + raw.mid(lead + key.size());
}

}  // namespace

QString english_catalogue() {
  return QStringLiteral(":/i18n/luminak_en.qm");
}

QString resolve(const QString& chosen) {
  if (chosen == kJapanese || chosen == kEnglish) return chosen;
  // The language the system shows its messages in (LANGUAGE, LC_MESSAGES, LANG).
  const QString shown = QLocale::system().uiLanguages().value(0);
  return QLocale(shown).language() == QLocale::Japanese ? kJapanese : kEnglish;
}

void use(const QString& chosen) {
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  if (resolve(chosen) != kEnglish) return;
  auto* t = new QTranslator(QCoreApplication::instance());
  if (!t->load(english_catalogue())) {
    delete t;
    return;
  }
  QCoreApplication::installTranslator(t);
  installed = t;
}

bool english() {
  return installed != nullptr;
}

QString text(const QString& key) {
  if (!installed || key.isEmpty()) return key;
  const QString shown = installed->translate(kContext, key.toUtf8().constData());
  return shown.isEmpty() ? key : shown;
}

QString text(const std::string& key) {
  return text(QString::fromStdString(key));
}

QString message(const std::string& text) {
  const QString whole = QString::fromStdString(text);
  if (!installed) return whole;
  static const QRegularExpression kBreak(QStringLiteral("(\\r\\n|\\r|\\n)"));
  QString shown;
  qsizetype from = 0;
  for (auto it = kBreak.globalMatch(whole); it.hasNext();) {
    const auto m = it.next();
    shown += line(whole.mid(from, m.capturedStart() - from)) + m.captured();
    from = m.capturedEnd();
  }
  return shown + line(whole.mid(from));
}

}  // namespace translation
