// The advanced dialog's page "一般": start-up, exit and history switches.
#pragma once
#include "dialogs/AdvancedPage.h"

class CGeneralPage : public CAdvancedPage {
public:
    using CAdvancedPage::CAdvancedPage;

    void Apply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    // The check state of each switch, in the order of the page's table.
    int m_nChecks[7] = {};
};
