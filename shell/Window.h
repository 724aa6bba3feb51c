// The window as the game sees it: a drawing surface in twips, picture and image controls,
// menus, message boxes, the clock timer, the seconds-since-midnight clock, waits and the
// record-dialog controls. The desktop front end implements it with Qt; the tests record it.
#pragma once

#include <string>
#include <vector>

#include "shell/PictureList.h"

// Every picture the game paints (UE_HU_2, UE_KIN2, KARA_MASU, ...), as shell/PictureList.h
// lists them.
#define LUMINAK_PICTURE_ENUM(name) name,
#define LUMINAK_MEMBER_ENUM(side, kind, i) side##_##kind##_##i,
#define LUMINAK_SINGLE_ENUM(side, kind, seal) side##_##kind##seal,
enum class Picture {
  LUMINAK_PICTURES(LUMINAK_PICTURE_ENUM, LUMINAK_MEMBER_ENUM, LUMINAK_SINGLE_ENUM) Count
};
#undef LUMINAK_PICTURE_ENUM
#undef LUMINAK_MEMBER_ENUM
#undef LUMINAK_SINGLE_ENUM

// Image controls: shown and hidden above the painted surface.
#define LUMINAK_IMAGE_ENUM(name) name,
enum class Image { LUMINAK_IMAGES(LUMINAK_IMAGE_ENUM) Count };
#undef LUMINAK_IMAGE_ENUM

// Menu items, by control name.
enum class Menu {
  TAIKYOKU,
  MATCH_MAN,
  START,
  START2,
  SENTE,
  GOTE,
  LEVEL,
  LEVEL1,
  LEVEL2,
  LEVEL3,
  LEVEL4,
  OWARI,
  STOP,
  CANCEL,
  REVERSE,
  REPLAY,
  AFTER,
  LBEL_UP,
  LEBEL_DOWN,
  KIFU,
  KIFU_READ,
  KIFU_WRITE,
  OPTION,
  HAIKEI_GA,
  MIDORI,
  TATAMI,
  TAKE,
  UCHU,
  RENGA,
  SIDOU,
  KEIKA,
  BGM,
  VER,
  Count
};

// Controls of the record dialog and the file picker.
enum class Control {
  Drive1,    // the file picker's volumes
  Dir1,      // its folders
  File1,     // the record files ("*.棋譜") in the chosen folder
  Text1,     // the file name to save under, without ".棋譜"
  Text2,     // the game's title: the file's line 1
  Text3,     // 先手's name: the file's line 2 if the upper side moved first, else line 3
  Text4,     // 後手's name: the other of lines 2 and 3
  Label1_0,  // "ﾌｧｲﾙ名 ：" before Text1
  Label1_1,  // "後    手 ：" before Text4
  Label1_2,  // "先    手 ：" before Text3
  Label1_3,  // "対 局 名：" before Text2
  Command1,  // "RETURN": writes the record file
  Count
};

// Size in twips of what the window shows. Pieces, squares and background tiles fill one
// cell of the board grid (495 x 615).
struct Size {
  double w, h;
};
Size picture_size(Picture p);
Size image_size(Image i);

// Control names as the window knows them ("UE_HU(2)", "sente_com", "LEVEL3", ...).
const char* picture_name(Picture p);
// Base name of the picture's file in assets/pictures ("UE_HU_2").
const char* picture_file(Picture p);
const char* image_name(Image i);
const char* image_file(Image i);
const char* menu_name(Menu m);
const char* control_name(Control c);

// Message box buttons, icons and answers, as the game passes them.
namespace mb {
constexpr int OKOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int OK = 1;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace mb

// Outer placement of the window, in twips.
struct Placement {
  double left = 0, top = 0, width = 0, height = 0;
  bool maximized = false;
};

class Window {
 public:
  virtual ~Window() = default;

  // Drawing surface, twips. Everything painted stays until painted over.
  virtual void SetBackColor(int qbcolor) = 0;
  virtual void PaintPicture(Picture p, double x, double y) = 0;
  virtual void DrawBox(double x1, double y1, double x2, double y2, int qbcolor) = 0;
  // Text with its top-left corner at (x, y); size in points.
  virtual void PrintText(double x, double y, const std::string& text, double size, bool bold,
                         int qbcolor) = 0;
  virtual void Refresh() = 0;

  // Image controls.
  virtual void MoveImage(Image i, double left, double top) = 0;
  virtual void ShowImage(Image i, bool visible) = 0;

  // Menus.
  virtual void SetChecked(Menu m, bool checked) = 0;
  virtual bool Checked(Menu m) = 0;
  virtual void SetEnabled(Menu m, bool enabled) = 0;

  // Modal message box; returns the answer (mb::OK, mb::Yes, mb::No).
  virtual int MsgBox(const std::string& text, int buttons, const std::string& title) = 0;

  // The clock timer (Timer1) and the seconds-since-midnight clock.
  virtual void SetTimerEnabled(bool on) = 0;
  virtual bool TimerEnabled() = 0;
  virtual double Seconds() = 0;
  // Blocks the thread for a while without handling input; what was refreshed stays shown.
  virtual void Sleep(double seconds) = 0;
  // Long work (the computer's thinking) calls this now and then, so that the window repaints
  // what was uncovered and an asked-for end of the program is not held up; input stays out.
  virtual void KeepAlive() {}

  // Outer window.
  virtual Placement GetPlacement() = 0;
  virtual void MoveWindow(double left, double top) = 0;
  virtual void SizeWindow(double width, double height) = 0;
  // Ends the program.
  virtual void End() = 0;

  // Record dialog and file picker controls.
  virtual void SetVisible(Control c, bool visible) = 0;
  virtual void SetText(Control c, const std::string& text) = 0;
  virtual std::string Text(Control c) = 0;

  // The file picker. Drive1's text is the chosen volume's folder, File1's the clicked file's
  // name. Dir1 lists a folder's path and subfolders, File1 its "*.棋譜" files: setting the path
  // of either lists that folder (again); false, and the list unchanged, when it cannot be read.
  // The window calls Drive1_Change, Dir1_Change, File1_Click and Command1_Click when the
  // player picks a volume, enters a folder, clicks a file or presses the button; the game's
  // own changes of path call nothing.
  virtual bool SetPath(Control c, const std::string& path) = 0;
  virtual std::string Path(Control c) = 0;
};
