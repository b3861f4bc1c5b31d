// The title banner across the top of a conversion page.
#pragma once

#include "framework/string_utf8.h"

class CWnd;

// Paints `text` into the banner control: a light-grey box with a grey
// outline, the text in heavy italic Arial, centred, with a grey shadow.
void DrawBanner(CWnd* banner, CString text);
