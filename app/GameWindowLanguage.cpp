// The window in the player's language: chosen from the menu, kept in the window's settings.
#include "app/GameWindow.h"
#include "app/Translation.h"

void GameWindow::useJapanese() {
  setLanguage(translation::kJapanese);
}

void GameWindow::useEnglish() {
  setLanguage(translation::kEnglish);
}

void GameWindow::applyLanguage() {
  translation::use(settings_.value(AppOption::Language).toString());
  showTexts();
}

void GameWindow::setLanguage(const QString& chosen) {
  settings_.set(AppOption::Language, chosen);
  applyLanguage();
  // The board's texts are drawn again in the new language.
  if (busy_ == 0) handle([this] { form.画面_再描画(); });
  updateViewsNow();
}
