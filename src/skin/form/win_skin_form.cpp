#include "skin/form/win_skin_form.h"
