// The About box and its Rules button.
#include "AboutDlg.h"

#include "resources/resource.h"

#include <filesystem>
#include <system_error>
#include <utility>

CAboutDlg::CAboutDlg(IShell& shell, std::vector<std::string> shippedFolders)
    : CDialog(IDD_ABOUTBOX), m_shell(shell), m_shippedFolders(std::move(shippedFolders)) {}

bool CAboutDlg::OnCommand(UINT nID) {
    if (nID == static_cast<UINT>(IDC_RULES)) {
        OnRules();
        return true;
    }
    return CDialog::OnCommand(nID);
}

void CAboutDlg::OnRules() {
    // Whatever the desktop makes of the request is its own business: the box closes anyway.
    m_shell.Open(RulesFile(m_shippedFolders));
    OnOK();
}

// A program started from the desktop's menu runs in the home folder, where the bare name
// finds nothing; the copy installed beside the program (or in its data folder) is used then.
std::string CAboutDlg::RulesFile(const std::vector<std::string>& shippedFolders) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_regular_file(kRulesFile, error))
        return kRulesFile;
    for (const std::string& folder : shippedFolders) {
        const fs::path path = fs::u8path(folder) / kRulesFile;
        if (fs::is_regular_file(path, error))
            return fs::absolute(path, error).lexically_normal().u8string();
    }
    return kRulesFile;
}
