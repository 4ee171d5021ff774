#include "skin/data/skin_data.h"
