// The document's file handling: opening reads nothing, saving writes an empty file.
#include "ZeltaroDoc.h"

#include "SpecialFile.h"
#include "app/DocumentRules.h"
#include "resources/StringTable.h"
#include "resources/resource.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {
const CommandEntry<CZeltaroDoc> kCommandMap[] = {{ID_FILE_SAVE, &CZeltaroDoc::OnFileSave, nullptr}};
} // namespace

bool CZeltaroDoc::OnNewDocument() {
    SetPathName(QString());
    return true;
}

bool CZeltaroDoc::OnOpenDocument(const QString& path, QString* pError) {
    if (IsSpecialFile(path)) {
        *pError = SpecialFileReason();
        return false;
    }
    // Opening proves the file is there and readable; the document has nothing to read. Should
    // the file have become a FIFO since it was looked at, a non-blocking open still returns.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *pError = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ::close(fd);
    SetPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

// No file type of the program's own: no filter and no extension added to the name.
void CZeltaroDoc::OnFileSave() {
    const QString proposed = m_strPathName.isEmpty() ? GetTitle() : m_strPathName;
    const QString path =
        QFileDialog::getSaveFileName(m_pDialogParent, QString::fromUtf8(kSaveAsCaption), proposed);
    if (!path.isEmpty())
        DoSave(path);
}

// The whole file is written or none of it, and never in place of a device, a FIFO or a folder,
// even one swapped in while the file is written.
bool CZeltaroDoc::DoSave(const QString& path) {
    QString error;
    if (!ReplaceRegularFile(path, QByteArray(), &error)) {
        const QString text = QString::fromStdString(
            SaveFailedText(QDir::toNativeSeparators(path).toStdString(), error.toStdString()));
        QMessageBox::warning(m_pDialogParent, QString::fromUtf8(FindString(AFX_IDS_APP_TITLE)),
                             text);
        return false;
    }
    SetPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

QString CZeltaroDoc::GetTitle() const {
    const QString name = m_strPathName.isEmpty() ? QString() : QFileInfo(m_strPathName).fileName();
    return QString::fromStdString(DocumentTitle(name.toStdString()));
}

void CZeltaroDoc::SetPathName(const QString& path) {
    m_strPathName = path;
    emit titleChanged(GetTitle());
    if (!path.isEmpty())
        emit pathNameChanged(path);
}

bool CZeltaroDoc::OnCommand(UINT nID) { return DispatchCommand(*this, kCommandMap, nID); }

bool CZeltaroDoc::OnUpdateCommand(CCmdUI* pCmdUI) {
    return DispatchUpdate(*this, kCommandMap, pCmdUI);
}
