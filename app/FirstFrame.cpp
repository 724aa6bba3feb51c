#include "app/FirstFrame.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "app/GameWindow.h"

namespace {

// The sound buffers that start-up loads.
constexpr std::int32_t Form1::*kSounds[] = {
    &Form1::snd_sonota,  &Form1::snd_kinsi,  &Form1::snd_kanasibari, &Form1::snd_mahou,
    &Form1::snd_komauti, &Form1::snd_sentou, &Form1::snd_bgm};

void report(const char* what, const QString& value) {
  std::printf("%s: %s\n", what, qUtf8Printable(value));
}

}  // namespace

BoxReporter::BoxReporter() {
  qApp->installEventFilter(this);
}

bool BoxReporter::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QMessageBox*>(watched);
  if (box != nullptr && event->type() == QEvent::Show) {
    ++count_;
    std::fprintf(stderr, "message box \"%s\": %s\n", qUtf8Printable(box->windowTitle()),
                 qUtf8Printable(box->text()));
    QTimer::singleShot(0, box, [box] { box->done(0); });
  }
  return false;
}

int save_first_frame(GameWindow& window, const GameFiles& files, const QString& png,
                     const BoxReporter& boxes) {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  Surface& surface = *window.surface();
  const bool saved = surface.grab(surface.pictureRect().toAlignedRect()).save(png, "PNG");
  const Form1& form = window.form;
  int sounds = 0;
  for (auto handle : kSounds) sounds += form.*handle != 0;

  report("pictures", files.pictures());
  report("sound library",
         files.sound_library + (form.ds_device != 0 ? " (opened)" : " (not opened)"));
  report("sounds", QStringLiteral("%1 (%2 of %3 loaded)")
                       .arg(files.sounds())
                       .arg(sounds)
                       .arg(std::size(kSounds)));
  report("settings", QString::fromStdString(form.settings_path));
  report("first frame", saved ? png : QStringLiteral("not saved"));
  window.close();
  const bool all = saved && form.ds_device != 0 && sounds == static_cast<int>(std::size(kSounds));
  return all && boxes.count() == 0 ? 0 : 1;
}
