// The recording fake is header-only; this unit keeps the support library non-empty.
#include "support/Game.h"
