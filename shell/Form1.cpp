// The game's state lives in Form1's fields; the window and the sound come from outside.
#include "shell/Form1.h"

namespace {
SilentSound silent;
}

Form1::Form1(Window& window) : win(window), ds(&silent) {}
