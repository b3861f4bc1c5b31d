// The application: sets up the settings store and runs the converter sheet.
#pragma once

#include "framework/win_app.h"

class CUnitsApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    void OnHelp();
    DECLARE_MESSAGE_MAP()
};

extern CUnitsApp theApp;
