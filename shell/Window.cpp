// Control names of the window and the files behind them.
#include "shell/Window.h"

#include <iterator>

namespace {
struct Names {
  const char* control;  // as the window knows it
  const char* file;     // in assets/pictures, without ".png"
};
#define PICTURE_NAMES(name) {#name, #name},
#define MEMBER_NAMES(side, kind, i) {#side "_" #kind "(" #i ")", #side "_" #kind "_" #i},
#define SINGLE_NAMES(side, kind, seal) {#side "_" #kind #seal, #side "_" #kind #seal},
constexpr Names kPictureNames[] = {LUMINAK_PICTURES(PICTURE_NAMES, MEMBER_NAMES, SINGLE_NAMES)};
static_assert(std::size(kPictureNames) == static_cast<size_t>(Picture::Count));

#define IMAGE_NAME(name) #name,
constexpr const char* kImageNames[] = {LUMINAK_IMAGES(IMAGE_NAME)};
static_assert(std::size(kImageNames) == static_cast<size_t>(Image::Count));

constexpr const char* kMenuNames[] = {
    "TAIKYOKU",   "MATCH_MAN", "START",     "START2",  "SENTE",      "GOTE", "LEVEL",
    "LEVEL1",     "LEVEL2",    "LEVEL3",    "LEVEL4",  "OWARI",      "STOP", "CANCEL",
    "REVERSE",    "REPLAY",    "AFTER",     "LBEL_UP", "LEBEL_DOWN", "KIFU", "KIFU_READ",
    "KIFU_WRITE", "OPTION",    "HAIKEI_GA", "MIDORI",  "TATAMI",     "TAKE", "UCHU",
    "RENGA",      "SIDOU",     "KEIKA",     "BGM",     "VER"};
static_assert(std::size(kMenuNames) == static_cast<size_t>(Menu::Count));

constexpr const char* kControlNames[] = {"Drive1",    "Dir1",      "File1",     "Text1",
                                         "Text2",     "Text3",     "Text4",     "Label1(0)",
                                         "Label1(1)", "Label1(2)", "Label1(3)", "Command1"};
static_assert(std::size(kControlNames) == static_cast<size_t>(Control::Count));
constexpr Size kCell{495, 615};
constexpr Size kTitle{2580, 600};
constexpr Size kMagic{2970, 2460};
constexpr Size kMarker{480, 480};
// The side-to-move icons are mostly transparent: each badge stands where it hides nothing.
constexpr Size kUpperIcon{540, 330};
constexpr Size kLowerIcon{540, 930};
// The spell's star reaches over the square's upper-left part.
constexpr Size kStar{700, 800};
}  // namespace

const char* picture_name(Picture p) {
  return kPictureNames[static_cast<int>(p)].control;
}
const char* picture_file(Picture p) {
  return kPictureNames[static_cast<int>(p)].file;
}
const char* image_name(Image i) {
  return kImageNames[static_cast<int>(i)];
}
const char* image_file(Image i) {
  return kImageNames[static_cast<int>(i)];
}
const char* menu_name(Menu m) {
  return kMenuNames[static_cast<int>(m)];
}
const char* control_name(Control c) {
  return kControlNames[static_cast<int>(c)];
}

Size picture_size(Picture p) {
  switch (p) {
    case Picture::VexaSHOGI:
      return kTitle;
    case Picture::madousi:
    case Picture::luminak:
    case Picture::huuin:
      return kMagic;
    default:
      return kCell;
  }
}

Size image_size(Image i) {
  switch (i) {
    case Image::sente_com:
    case Image::sente_man:
      return kUpperIcon;
    case Image::gote_man:
    case Image::gote_com:
      return kLowerIcon;
    case Image::hosi2:
      return kStar;
    default:
      return kMarker;
  }
}
