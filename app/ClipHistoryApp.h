// The application: its whole life is the main dialog's modal run.
#pragma once
#include "framework/WinApp.h"

class CClipHistoryApp : public CWinApp {
public:
    int InitInstance() override;
};
