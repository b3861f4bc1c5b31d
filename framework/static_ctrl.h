// CStatic: the wrapper class of a static control, to be subclassed from a
// dialog's template with SubclassDlgItem.
#pragma once

#include "framework/wnd.h"

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};
