// Control names of the window and the files behind them.
#include "shell/Window.h"

#include <iterator>

namespace {
constexpr const char* kPictureNames[][2] = {
    {"KARA_MASU", "KARA_MASU"},
    {"VexaSHOGI", "VexaSHOGI"},
    {"HAIKEI_MIDORI", "HAIKEI_MIDORI"},
    {"HAIKEI_TATAMI", "HAIKEI_TATAMI"},
    {"HAIKEI_TAKE", "HAIKEI_TAKE"},
    {"HAIKEI_UCHU", "HAIKEI_UCHU"},
    {"HAIKEI_RENGA", "HAIKEI_RENGA"},
    {"madousi", "madousi"},
    {"luminak", "luminak"},
    {"huuin", "huuin"},
    {"UE_HU(0)", "UE_HU_0"},
    {"UE_HU(1)", "UE_HU_1"},
    {"UE_HU(2)", "UE_HU_2"},
    {"UE_HU(3)", "UE_HU_3"},
    {"UE_KYOU(0)", "UE_KYOU_0"},
    {"UE_KYOU(1)", "UE_KYOU_1"},
    {"UE_KYOU(2)", "UE_KYOU_2"},
    {"UE_KYOU(3)", "UE_KYOU_3"},
    {"UE_KEI(0)", "UE_KEI_0"},
    {"UE_KEI(1)", "UE_KEI_1"},
    {"UE_KEI(2)", "UE_KEI_2"},
    {"UE_KEI(3)", "UE_KEI_3"},
    {"UE_GIN(0)", "UE_GIN_0"},
    {"UE_GIN(1)", "UE_GIN_1"},
    {"UE_GIN(2)", "UE_GIN_2"},
    {"UE_GIN(3)", "UE_GIN_3"},
    {"UE_KIN", "UE_KIN"},
    {"UE_KIN2", "UE_KIN2"},
    {"UE_KAKU(0)", "UE_KAKU_0"},
    {"UE_KAKU(1)", "UE_KAKU_1"},
    {"UE_KAKU(2)", "UE_KAKU_2"},
    {"UE_KAKU(3)", "UE_KAKU_3"},
    {"UE_SYA(0)", "UE_SYA_0"},
    {"UE_SYA(1)", "UE_SYA_1"},
    {"UE_SYA(2)", "UE_SYA_2"},
    {"UE_SYA(3)", "UE_SYA_3"},
    {"UE_OU", "UE_OU"},
    {"UE_OU2", "UE_OU2"},
    {"SITA_HU(0)", "SITA_HU_0"},
    {"SITA_HU(1)", "SITA_HU_1"},
    {"SITA_HU(2)", "SITA_HU_2"},
    {"SITA_HU(3)", "SITA_HU_3"},
    {"SITA_KYOU(0)", "SITA_KYOU_0"},
    {"SITA_KYOU(1)", "SITA_KYOU_1"},
    {"SITA_KYOU(2)", "SITA_KYOU_2"},
    {"SITA_KYOU(3)", "SITA_KYOU_3"},
    {"SITA_KEI(0)", "SITA_KEI_0"},
    {"SITA_KEI(1)", "SITA_KEI_1"},
    {"SITA_KEI(2)", "SITA_KEI_2"},
    {"SITA_KEI(3)", "SITA_KEI_3"},
    {"SITA_GIN(0)", "SITA_GIN_0"},
    {"SITA_GIN(1)", "SITA_GIN_1"},
    {"SITA_GIN(2)", "SITA_GIN_2"},
    {"SITA_GIN(3)", "SITA_GIN_3"},
    {"SITA_KIN", "SITA_KIN"},
    {"SITA_KIN2", "SITA_KIN2"},
    {"SITA_KAKU(0)", "SITA_KAKU_0"},
    {"SITA_KAKU(1)", "SITA_KAKU_1"},
    {"SITA_KAKU(2)", "SITA_KAKU_2"},
    {"SITA_KAKU(3)", "SITA_KAKU_3"},
    {"SITA_SYA(0)", "SITA_SYA_0"},
    {"SITA_SYA(1)", "SITA_SYA_1"},
    {"SITA_SYA(2)", "SITA_SYA_2"},
    {"SITA_SYA(3)", "SITA_SYA_3"},
    {"SITA_OU", "SITA_OU"},
    {"SITA_OU2", "SITA_OU2"},
};
static_assert(std::size(kPictureNames) == static_cast<size_t>(Picture::Count));

constexpr const char* kImageNames[] = {"sente_com", "sente_man", "gote_man", "gote_com",
                                       "Image1",    "Image2",    "hosi2"};
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
constexpr Size kLowerIcon{540, 570};
// The spell's star reaches over the square's upper-left part.
constexpr Size kStar{700, 800};
}  // namespace

const char* picture_name(Picture p) {
  return kPictureNames[static_cast<int>(p)][0];
}
const char* picture_file(Picture p) {
  return kPictureNames[static_cast<int>(p)][1];
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
