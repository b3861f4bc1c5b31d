// CWinApp: the one application object, its start-up and its per-user
// settings in the registry (HKCU\Software\<company>\<application>\<section>).
#pragma once

#include <windows.h>

#include "framework/framework_ids.h"
#include "framework/message_map.h"
#include "framework/string_utf8.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // Runs the program, here one modal window with its own message loop;
    // there is no loop of the application's own after it.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    const char* GetAppName();
    // Named after the 3-D controls of old; here it registers the common
    // controls (standard, tab and up-down classes) that the dialogs use.
    void Enable3dControls();

    void SetRegistryKey(const char* lpszRegistryKey);
    // The stored REG_DWORD, or nDefault when there is none, it has another
    // type, or the key cannot be read.
    UINT GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    // FALSE when it could not be written; nothing is reported.
    BOOL WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);

    CWnd* m_pMainWnd = nullptr;

private:
    std::wstring SectionPath(const char* lpszSection);
    CString m_strAppName;
    CString m_strRegistryKey;
};

CWinApp* AfxGetApp();
// The application's start and end: InitInstance, then ExitInstance, whose
// answer is the exit code.
int AfxWinMain(CWinApp& app, HINSTANCE hInstance);
