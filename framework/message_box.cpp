#include "framework/message_box.h"

#include "framework/string_utf8.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

int AfxMessageBox(const char* lpszText, UINT nType, HWND hOwner)
{
    CWinApp* app = AfxGetApp();
    hOwner = OwnerOrMainWindow(hOwner);
    const std::wstring text = Utf8ToWide(lpszText ? lpszText : "");
    const std::wstring caption = Utf8ToWide(app ? app->GetAppName() : "");
    return MessageBoxW(hOwner, text.c_str(), caption.c_str(), nType);
}
