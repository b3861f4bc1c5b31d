// The whole framework layer in one include.
#pragma once

#include "framework/contrast.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/menu.h"
#include "framework/message_box.h"
#include "framework/message_map.h"
#include "framework/module.h"
#include "framework/property_sheet.h"
#include "framework/runtime_class.h"
#include "framework/static_ctrl.h"
#include "framework/string_utf8.h"
#include "framework/win_app.h"
#include "framework/wnd.h"
