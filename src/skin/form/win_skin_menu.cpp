#include "skin/form/win_skin_menu.h"
