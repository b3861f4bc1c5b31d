// The whole framework layer in one include.
#pragma once

#include "shell/framework/data_exchange.h"
#include "shell/framework/dialog.h"
#include "shell/framework/gdi.h"
#include "shell/framework/menu.h"
#include "shell/framework/message_map.h"
#include "shell/framework/property_sheet.h"
#include "shell/framework/runtime_class.h"
#include "shell/framework/static_ctrl.h"
#include "shell/framework/string_utf8.h"
#include "shell/framework/win_app.h"
#include "shell/framework/wnd.h"
