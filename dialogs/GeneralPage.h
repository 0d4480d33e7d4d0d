// The advanced dialog's page "一般": start-up, exit and history switches.
#pragma once
#include "dialogs/AdvancedPage.h"
#include "framework/Button.h"

class CGeneralPage : public CAdvancedPage {
public:
    using CAdvancedPage::CAdvancedPage;

    void Apply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CButton m_checkForeground;
    CButton m_checkHideTitle;
    CButton m_checkRunToHide;
    CButton m_checkNoAdjustCur;
    CButton m_checkLeaveOut;
    CButton m_checkHideToolInfo;
    CButton m_checkExitToDel;
};
