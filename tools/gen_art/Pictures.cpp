// Every picture and image as the window lists them (shell/PictureList.h), matched with what
// draws it: the pieces by side, kind and face, the rest one by one.
#include "Pictures.h"

#include <iterator>
#include <string_view>
#include <utility>

#include "Backgrounds.h"
#include "Icons.h"
#include "IntlPieces.h"
#include "Pieces.h"
#include "Scenes.h"
#include "Title.h"
#include "shell/Window.h"

namespace art {

namespace {

// The look of each kind of piece, under its name in the picture list: the tile, bigger for the
// bigger pieces as on a real set, its kanji and its international symbol.
struct KindArt {
  double w, h;
  const char* plain;
  const char* promoted;  // nullptr: the kind never promotes
  Glyph glyph;
  const char* lowerPlain = nullptr;  // the lower side's own kanji, where it has one
};
namespace kinds {
constexpr KindArt HU{71, 90, "歩", "と", Glyph::Pawn};
constexpr KindArt KYOU{73, 92, "香", "成香", Glyph::Lance};
constexpr KindArt KEI{75, 94, "桂", "成桂", Glyph::Knight};
constexpr KindArt GIN{78, 96, "銀", "成銀", Glyph::Silver};
constexpr KindArt KIN{78, 96, "金", nullptr, Glyph::Gold};
constexpr KindArt KAKU{80, 99, "角", "馬", Glyph::Bishop};
constexpr KindArt SYA{80, 99, "飛", "龍", Glyph::Rook};
constexpr KindArt OU{82, 101, "王", nullptr, Glyph::King, "玉"};
}  // namespace kinds

// The sides as the picture list names them: UE the upper side, SITA the lower.
namespace upper_side {
constexpr bool UE = true, SITA = false;
}  // namespace upper_side

struct PieceFace {
  Picture picture;
  bool upper;
  const KindArt* kind;
  bool promoted, sealed;
};
#define NOT_A_PIECE(name)
#define MEMBER_FACE(side, k, i) \
  {Picture::side##_##k##_##i, upper_side::side, &kinds::k, (i) % 2 == 1, (i) >= 2},
#define SINGLE_FACE(side, k, seal) \
  {Picture::side##_##k##seal, upper_side::side, &kinds::k, false, !std::string_view(#seal).empty()},
constexpr PieceFace kPieceFaces[] = {LUMINAK_PICTURES(NOT_A_PIECE, MEMBER_FACE, SINGLE_FACE)};

// The pictures that are not pieces.
struct OwnPicture {
  Picture picture;
  QImage (*draw)();
};
const OwnPicture kOwnPictures[] = {
    {Picture::KARA_MASU, boardWood},    {Picture::VexaSHOGI, titlePlate},
    {Picture::HAIKEI_MIDORI, feltTile}, {Picture::HAIKEI_TATAMI, tatamiTile},
    {Picture::HAIKEI_TAKE, bambooTile}, {Picture::HAIKEI_UCHU, spaceTile},
    {Picture::HAIKEI_RENGA, brickTile}, {Picture::madousi, sorcererScene},
    {Picture::luminak, luminakScene},   {Picture::huuin, sealScene},
};
static_assert(std::size(kPieceFaces) + std::size(kOwnPictures) ==
              static_cast<size_t>(Picture::Count));

struct ImageArt {
  Image image;
  QImage (*draw)();
};
const ImageArt kImages[] = {
    {Image::sente_com, [] { return sideIcon(true, Player::computer); }},
    {Image::sente_man, [] { return sideIcon(true, Player::person); }},
    {Image::gote_man, [] { return sideIcon(false, Player::person); }},
    {Image::gote_com, [] { return sideIcon(false, Player::computer); }},
    {Image::Image1, [] { return hatIcon(true); }},
    {Image::Image2, [] { return hatIcon(false); }},
    {Image::hosi2, starIcon},
};
static_assert(std::size(kImages) == static_cast<size_t>(Image::Count));

PieceArt pieceArt(const PieceFace& face, uint64_t seed, PieceSet set) {
  const KindArt& kind = *face.kind;
  PieceArt a;
  a.w = kind.w;
  a.h = kind.h;
  a.upper = face.upper;
  a.sealed = face.sealed;
  a.red = face.promoted;
  const char* glyphs = face.promoted                    ? kind.promoted
                       : !face.upper && kind.lowerPlain ? kind.lowerPlain
                                                        : kind.plain;
  a.glyphs = QString::fromUtf8(glyphs);
  if (set == PieceSet::International)
    a.symbols = movesInk(kind.glyph, face.promoted, kind.w, kind.h);
  a.seed = seed;
  return a;
}

}  // namespace

std::vector<Drawing> pieceDrawings(PieceSet set) {
  std::vector<Drawing> out;
  const QImage board = boardWood();
  uint64_t wood = 1;  // each piece its own boxwood; a sealed gold or king shares its plain one's
  for (const PieceFace& face : kPieceFaces) {
    if (face.kind->promoted || !face.sealed) ++wood;
    const PieceArt a = pieceArt(face, wood * 31, set);
    out.push_back({picture_file(face.picture), true, [board, a] { return drawPiece(board, a); }});
  }
  return out;
}

std::vector<Drawing> everyPicture() {
  std::vector<Drawing> out;
  for (const OwnPicture& own : kOwnPictures)
    out.push_back({picture_file(own.picture), true, own.draw});
  for (Drawing& piece : pieceDrawings(PieceSet::Kanji)) out.push_back(std::move(piece));
  for (const ImageArt& image : kImages) out.push_back({image_file(image.image), false, image.draw});
  return out;
}

}  // namespace art
