// The desktop's shell: files open in the application registered for their type, or, where the
// desktop has none or it fails, in a plain read-only text window of the shell's own.
#pragma once

#include "platform/Runtime.h"

#include <QObject>
#include <QString>

#include <memory>

class QPlainTextEdit;

class QtShell final : public IShell {
public:
    QtShell();
    ~QtShell() override;

    bool Open(const std::string& path) override;

private:
    void ShowText(const QString& path);

    // Owns the desktop's openers while they run, so their ends can be heard.
    QObject m_openers;
    std::unique_ptr<QPlainTextEdit> m_textWindow;
};
