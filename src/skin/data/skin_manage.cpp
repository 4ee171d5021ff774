#include "skin/data/skin_manage.h"
