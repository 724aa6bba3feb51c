// The game's files: every picture, image and sound it names is there and loads, and a game
// started without its pictures says which one it could not find, and where it looked.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/GameFiles.h"
#include "shell/DynamicSound.h"
#include "support/SoundTest.h"
#include "tests/qt/QtHelpers.h"

namespace {

TEST(GameFiles, EveryPictureImageAndSoundTheGameNamesLoads) {
  qt_app();
  PictureStore store(source_assets());
  for (int p = 0; p < static_cast<int>(Picture::Count); ++p)
    EXPECT_FALSE(store.picture(static_cast<Picture>(p)).isNull())
        << picture_file(static_cast<Picture>(p));
  for (int i = 0; i < static_cast<int>(Image::Count); ++i)
    EXPECT_FALSE(store.image(static_cast<Image>(i)).isNull()) << image_file(static_cast<Image>(i));

  ASSERT_TRUE(kDummyOutput);
  DynamicSound sound(LUMINAK_SOUND_LIBRARY);
  const std::int32_t device = sound.dsInitialize(0);
  ASSERT_NE(device, 0);
  for (const char* name : kSoundFiles) {
    const std::string bytes = read_file(sound_path(name));
    EXPECT_NE(sound.dsCreateDSB(device, bytes.data(), static_cast<std::int32_t>(bytes.size()), 1),
              0)
        << name;
  }
  sound.dsTerminate(device);
}

// A game folder as the build lays it out, with a broken set of pictures.
struct Broken {
  const char* what;
  const char* missing;  // the first file that cannot be loaded
  const char* reason;
  void (*spoil)(const QString& pictures);
};
const Broken kBroken[] = {
    {"an empty asset folder", "KARA_MASU.png", "が見つかりません", [](const QString&) {}},
    {"every picture but the star", "hosi2.png", "が見つかりません",
     [](const QString& pictures) {
       for (const QString& f : QDir(source_assets() + "/pictures").entryList({"*.png"}))
         if (f != "hosi2.png") QFile::copy(source_assets() + "/pictures/" + f, pictures + "/" + f);
     }},
    {"a title picture that is no picture", "VexaSHOGI.png", "が読み込めません",
     [](const QString& pictures) {
       for (const QString& f : QDir(source_assets() + "/pictures").entryList({"*.png"}))
         QFile::copy(source_assets() + "/pictures/" + f, pictures + "/" + f);
       QFile::remove(pictures + "/VexaSHOGI.png");
       QFile text(pictures + "/VexaSHOGI.png");
       if (text.open(QIODevice::WriteOnly)) text.write("Vexa");
     }},
};

TEST(GameFiles, StartedWithoutItsPicturesTheGameSaysWhichAndWhere) {
  for (const Broken& b : kBroken) {
    SCOPED_TRACE(b.what);
    QTemporaryDir game;
    ASSERT_TRUE(QDir(game.path()).mkpath("assets/pictures"));
    b.spoil(game.filePath("assets/pictures"));
    const GameFiles files = GameFiles::find(game.path());
    BoxRecorder boxes;
    EXPECT_FALSE(check_pictures(files));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.titles[0], QStringLiteral("Vexa ルミナーク将棋"));
    const QString text = boxes.texts[0];
    EXPECT_TRUE(text.contains(QString::fromUtf8(b.missing) + "」" + QString::fromUtf8(b.reason)))
        << text.toStdString();
    ASSERT_EQ(files.searched.size(), 2);
    for (const QString& folder : files.searched)
      EXPECT_TRUE(text.contains(folder)) << folder.toStdString();
  }
}

TEST(GameFiles, WithEveryPictureNothingIsSaid) {
  const GameFiles files = GameFiles::find(QStringLiteral(LUMINAK_BUILD_GAME_FOLDER));
  EXPECT_EQ(files.assets, QStringLiteral(LUMINAK_BUILD_GAME_FOLDER "/assets"));
  BoxRecorder boxes;
  EXPECT_TRUE(check_pictures(files));
  EXPECT_TRUE(boxes.texts.isEmpty());
}

}  // namespace
