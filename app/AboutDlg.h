// The About box: the program's name and version, and a button that opens the rules.
#pragma once

#include "platform/Dialog.h"
#include "platform/Runtime.h"

#include <string>
#include <vector>

class CAboutDlg : public CDialog {
public:
    // Rules asks the shell to open the rules file, looked for in the current directory, then
    // in the folders that the program ships it in (UTF-8 paths), in order.
    CAboutDlg(IShell& shell, std::vector<std::string> shippedFolders);

    bool OnCommand(UINT nID) override;
    // Asks the desktop to open the rules file and closes the box, whatever the desktop does.
    void OnRules();

    // The rules file's bare name, looked for in the current directory first.
    static constexpr char kRulesFile[] = "HelpZeltaro.txt";
    // The file that Rules opens: the one in the current directory, else the copy that comes
    // with the program, else the bare name for the desktop to report.
    static std::string RulesFile(const std::vector<std::string>& shippedFolders);

private:
    IShell& m_shell;
    std::vector<std::string> m_shippedFolders;
};
