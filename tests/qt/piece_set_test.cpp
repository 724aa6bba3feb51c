// The two sets of pieces: every piece picture has an international twin of the same size in
// pictures/intl, the store reads it once the set is chosen, and falls back on the kanji picture
// where the twin is missing. The other pictures are the same in both sets.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <iterator>

#include "QtHelpers.h"
#include "app/PictureStore.h"

namespace {

#define NOT_A_PIECE(name)
#define MEMBER_PIECE(side, kind, i) Picture::side##_##kind##_##i,
#define SINGLE_PIECE(side, kind, seal) Picture::side##_##kind##seal,
constexpr Picture kPieces[] = {LUMINAK_PICTURES(NOT_A_PIECE, MEMBER_PIECE, SINGLE_PIECE)};
#undef NOT_A_PIECE
#undef MEMBER_PIECE
#undef SINGLE_PIECE

constexpr char kIntl[] = "/pictures/intl/";

QString intl_path(const QString& assets, Picture p) {
  return assets + kIntl + picture_file(p) + ".png";
}

// An opaque picture's file as the store keeps it.
QImage as_stored(const QImage& file) {
  return file.convertToFormat(QImage::Format_RGB32);
}

bool is_piece(Picture p) {
  return std::find(std::begin(kPieces), std::end(kPieces), p) != std::end(kPieces);
}

class PieceSetTest : public ::testing::TestWithParam<Picture> {
 protected:
  void SetUp() override { qt_app(); }
};

TEST_P(PieceSetTest, HasATwinOfTheSameSizeThatTheStoreReads) {
  const Picture p = GetParam();
  const QImage kanji(picture_path(p)), intl(intl_path(source_assets(), p));
  ASSERT_FALSE(kanji.isNull());
  ASSERT_FALSE(intl.isNull()) << "no international " << picture_file(p);
  EXPECT_EQ(intl.size(), kanji.size());

  PictureStore store(source_assets());
  const QImage shown = store.picture(p);
  const QSize small = kanji.size() / 3;  // the 100 % size
  const QImage shownSmall = store.scaledPicture(p, small.width(), small.height());
  store.setPieceSet(PieceSet::International);
  EXPECT_EQ(store.picture(p), as_stored(intl));
  EXPECT_NE(store.picture(p), shown);
  EXPECT_NE(store.scaledPicture(p, small.width(), small.height()), shownSmall);
  store.setPieceSet(PieceSet::Kanji);
  EXPECT_EQ(store.picture(p), shown);
}

std::string picture_name(const ::testing::TestParamInfo<Picture>& info) {
  return picture_file(info.param);
}
INSTANTIATE_TEST_SUITE_P(EveryPiece, PieceSetTest, ::testing::ValuesIn(kPieces), picture_name);

TEST(PieceSet, StoreAndListAgreeOnWhatShowsAPieceAndTheRestStays) {
  qt_app();
  PictureStore kanji(source_assets()), intl(source_assets());
  intl.setPieceSet(PieceSet::International);
  for (int i = 0; i < static_cast<int>(Picture::Count); ++i) {
    const auto p = static_cast<Picture>(i);
    EXPECT_EQ(PictureStore::showsPiece(p), is_piece(p)) << picture_file(p);
    if (is_piece(p)) continue;
    EXPECT_FALSE(QFile::exists(intl_path(source_assets(), p))) << picture_file(p);
    EXPECT_EQ(intl.picture(p), kanji.picture(p)) << picture_file(p);
  }
}

TEST(PieceSet, AMissingTwinFallsBackOnTheKanjiPicture) {
  qt_app();
  QTemporaryDir assets;
  ASSERT_TRUE(QDir(assets.path()).mkpath("pictures/intl"));
  const Picture missing = Picture::UE_HU_0, present = Picture::SITA_HU_0;
  for (Picture p : {missing, present})
    ASSERT_TRUE(
        QFile::copy(picture_path(p), assets.path() + "/pictures/" + picture_file(p) + ".png"));
  ASSERT_TRUE(QFile::copy(intl_path(source_assets(), present), intl_path(assets.path(), present)));

  PictureStore store(assets.path());
  store.setPieceSet(PieceSet::International);
  EXPECT_EQ(store.picture(missing), as_stored(QImage(picture_path(missing))));
  EXPECT_EQ(store.picture(present), as_stored(QImage(intl_path(source_assets(), present))));
}

}  // namespace
