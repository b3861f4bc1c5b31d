// CWinApp: the one application object, its start-up and its per-user
// settings in the registry (HKCU\Software\<company>\<application>\<section>).
#pragma once

#include <windows.h>

#include "framework/message_map.h"
#include "framework/string_utf8.h"

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// String 57344: the application's name when it is constructed without one.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // FALSE ends the program without a message loop.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    const char* GetAppName();
    // Stands for the 3-D controls of old: registers the common controls.
    void Enable3dControls();

    void SetRegistryKey(const char* lpszRegistryKey);
    // The stored REG_DWORD, or nDefault when there is none, it has another
    // type, or the key cannot be read.
    UINT GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    // FALSE when it could not be written; nothing is reported.
    BOOL WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);

    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;

private:
    std::wstring SectionPath(const char* lpszSection);
    CString m_strAppName;
    CString m_strRegistryKey;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module holding the program's resources (the .exe).
HINSTANCE AfxGetResourceHandle();
// The application's start: InitInstance, then Run only when it returned TRUE.
int AfxWinMain(CWinApp& app, HINSTANCE hInstance);
// A message box with the application's name as caption; without an owner it
// belongs to the main window.
int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, HWND hOwner = nullptr);
