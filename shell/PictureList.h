// Every picture and image control of the window, each named once. The Picture and Image enums,
// their control and file names and the list of what gen_art draws are all made from here.
#pragma once

// The pictures, in the order of the Picture enum. Whoever reads the list gives three macros:
//   PICTURE(name)            a picture of its own: control, enum and file are all `name`.
//   MEMBER(side, kind, i)    member i of the control array side_kind: 0 plain, 1 promoted,
//                            2 sealed, 3 sealed promoted. Control "UE_HU(2)", enum and file
//                            UE_HU_2.
//   SINGLE(side, kind, seal) a piece that never promotes, as two controls: seal empty for the
//                            plain one (UE_KIN), 2 for the sealed one (UE_KIN2).
// UE pictures show the upper side's pieces (positive codes), SITA ones the lower side's.
#define LUMINAK_PICTURES(PICTURE, MEMBER, SINGLE) \
  PICTURE(KARA_MASU)                              \
  PICTURE(VexaSHOGI)                              \
  PICTURE(HAIKEI_MIDORI)                          \
  PICTURE(HAIKEI_TATAMI)                          \
  PICTURE(HAIKEI_TAKE)                            \
  PICTURE(HAIKEI_UCHU)                            \
  PICTURE(HAIKEI_RENGA)                           \
  PICTURE(madousi)                                \
  PICTURE(luminak)                                \
  PICTURE(huuin)                                  \
  LUMINAK_SIDE_PIECES(UE, MEMBER, SINGLE)         \
  LUMINAK_SIDE_PIECES(SITA, MEMBER, SINGLE)

// One side's pieces, the kinds in the order of their codes.
#define LUMINAK_SIDE_PIECES(side, MEMBER, SINGLE) \
  LUMINAK_PROMOTES(side, HU, MEMBER)              \
  LUMINAK_PROMOTES(side, KYOU, MEMBER)            \
  LUMINAK_PROMOTES(side, KEI, MEMBER)             \
  LUMINAK_PROMOTES(side, GIN, MEMBER)             \
  LUMINAK_STAYS(side, KIN, SINGLE)                \
  LUMINAK_PROMOTES(side, KAKU, MEMBER)            \
  LUMINAK_PROMOTES(side, SYA, MEMBER)             \
  LUMINAK_STAYS(side, OU, SINGLE)

#define LUMINAK_PROMOTES(side, kind, MEMBER) \
  MEMBER(side, kind, 0) MEMBER(side, kind, 1) MEMBER(side, kind, 2) MEMBER(side, kind, 3)
#define LUMINAK_STAYS(side, kind, SINGLE) SINGLE(side, kind, ) SINGLE(side, kind, 2)

// The image controls, in the order of the Image enum: IMAGE(name); control and file are `name`.
#define LUMINAK_IMAGES(IMAGE) \
  IMAGE(sente_com)            \
  IMAGE(sente_man)            \
  IMAGE(gote_man)             \
  IMAGE(gote_com)             \
  IMAGE(Image1)               \
  IMAGE(Image2)               \
  IMAGE(hosi2)
