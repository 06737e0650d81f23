// The document: it holds none of the game. It has a name for the title, saves as an empty
// file and opens a file without reading it.
#pragma once

#include "platform/Commands.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class CZeltaroDoc : public QObject, public CCmdTarget {
    Q_OBJECT

public:
    CZeltaroDoc() = default;

    // A new, unnamed document; the game is set up by the view, not here.
    bool OnNewDocument();
    // Checks that the file can be opened, and reads nothing from it. On failure the reason is
    // in *pError and the document is unchanged.
    bool OnOpenDocument(const QString& path, QString* pError);

    // Save: asks for a file name every time, writes the file, and says so when it cannot.
    void OnFileSave();
    // Writes the document, which is empty, to the file, or shows why not and changes nothing.
    bool DoSave(const QString& path);

    // The file's name, or the framework's name for a document that has none.
    QString GetTitle() const;
    void SetPathName(const QString& path);

    // The window that the save dialog and its messages belong to.
    void SetDialogParent(QWidget* pParent) { m_pDialogParent = pParent; }

    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(CCmdUI* pCmdUI) override;

signals:
    void titleChanged(const QString& title);
    // The document now lives in this file: it belongs in the recent-file list.
    void pathNameChanged(const QString& path);

private:
    QString m_strPathName;
    QPointer<QWidget> m_pDialogParent;
};
