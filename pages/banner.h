// The title banner across the top of a conversion page.
#pragma once

#include <windows.h>

#include "framework/string_utf8.h"

class CWnd;

// Paints `text` into the banner control: a light-grey box with a grey
// outline, the text in heavy italic Arial, centred, with a grey shadow; its
// pixel figures scaled to `dpi`, that of the page's layout. In a contrast
// theme: the theme's button text on its button face, framed in the text
// colour, without the shadow.
void DrawBanner(CWnd* banner, CString text, UINT dpi);
