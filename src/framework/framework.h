#pragma once
// Everything a form needs: include this one header.
#include "framework/application.h"
#include "framework/comctrls.h"
#include "framework/extctrls.h"
#include "framework/forms.h"
#include "framework/imagelist.h"
#include "framework/menus.h"
#include "framework/stdctrls.h"
#include "framework/timer.h"
#include "framework/utility_window.h"
