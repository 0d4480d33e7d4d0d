// What loading and saving the settings needs of the main window: its
// rectangle, the shared custom colours and the history file.
#pragma once
#include "core/SettingsHost.h"

class CMainDialog;

class CMainSettingsHost : public ISettingsHost {
public:
    explicit CMainSettingsHost(CMainDialog& main) : m_main(main) {}

    WindowRect GetWindowRect() const override;
    ColorRef* CustomColors() override;
    void LoadHistory() override;
    void SaveHistory() override;
    void DeleteHistoryFile() override;
    void FreeHistory() override;

private:
    CMainDialog& m_main;
};
