// The About box and its Rules button.
#include "AboutDlg.h"

#include "resources/resource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

CAboutDlg::CAboutDlg(IShell& shell) : CDialog(IDD_ABOUTBOX), m_shell(shell) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

bool CAboutDlg::OnCommand(UINT nID) {
    if (nID == static_cast<UINT>(IDC_RULES)) {
        OnRules();
        return true;
    }
    return CDialog::OnCommand(nID);
}

void CAboutDlg::OnOK() { CDialog::OnOK(); }

void CAboutDlg::OnRules() {
    // Whatever the desktop makes of the request is its own business: the box closes anyway.
    m_shell.Open(RulesFile());
    OnOK();
}

// A program started from the desktop's menu runs in the home folder, where the bare name
// finds nothing; the copy installed beside the program (or in its data folder) is used then.
std::string CAboutDlg::RulesFile() {
    const QString name = QString::fromLatin1(kRulesFile);
    if (QFileInfo(name).isFile())
        return kRulesFile;
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString shipped[] = {
        programDir.filePath(name),
        programDir.filePath(QStringLiteral(ZELTARO_RULES_FROM_PROGRAM "/") + name)};
    for (const QString& path : shipped) {
        const QFileInfo info(path);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath()).toStdString();
    }
    return kRulesFile;
}
