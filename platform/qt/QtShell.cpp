// Opening files through the desktop's opener, and the shell's own text window where it cannot.
#include "QtShell.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// More than any text meant for reading in one window.
constexpr qint64 kMostText = qint64{1} << 20;

// The file's text, or why it cannot be had. Opened without waiting, and judged by what was
// opened, so that a FIFO or a device put in its place is neither waited on nor read.
bool ReadRegularFile(const QString& path, QByteArray& text, QString& trouble) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        trouble = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!S_ISREG(st.st_mode)) {
        trouble = QStringLiteral("not a regular file");
    } else {
        QFile file;
        if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            text = file.read(kMostText);
            return true;
        }
        trouble = file.errorString();
    }
    if (fd >= 0)
        ::close(fd);
    return false;
}

} // namespace

QtShell::QtShell() = default;

QtShell::~QtShell() {
    // An opener still running has handed the file to a program that lives on without the game;
    // only the opener itself is ended.
    for (QProcess* opener : m_openers.findChildren<QProcess*>()) {
        opener->disconnect();
        opener->kill();
        opener->waitForFinished();
    }
}

bool QtShell::Open(const std::string& path) {
    // The opener gets an absolute location: it may run the program in a directory of its own.
    const QString file = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        ShowText(file);
        return true;
    }
    auto* process = new QProcess(&m_openers);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [this, process, file](int exitCode, QProcess::ExitStatus exitStatus) {
                         if (exitStatus != QProcess::NormalExit || exitCode != 0)
                             ShowText(file);
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [this, process, file](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             ShowText(file);
                             process->deleteLater();
                         }
                     });
    process->start(opener, {file});
    return true;
}

void QtShell::ShowText(const QString& path) {
    QByteArray text;
    QString trouble;
    if (!ReadRegularFile(path, text, trouble)) {
        std::fprintf(stderr, "zeltaro: cannot show %s: %s\n", path.toLocal8Bit().constData(),
                     trouble.toLocal8Bit().constData());
        return;
    }
    if (!m_textWindow) {
        m_textWindow = std::make_unique<QPlainTextEdit>();
        m_textWindow->setReadOnly(true);
        m_textWindow->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        m_textWindow->resize(700, 500);
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), m_textWindow.get());
        QObject::connect(close, &QShortcut::activated, m_textWindow.get(), &QWidget::close);
    }
    m_textWindow->setWindowTitle(QFileInfo(path).fileName());
    m_textWindow->setPlainText(QString::fromUtf8(text));
    m_textWindow->show();
    m_textWindow->raise();
    m_textWindow->activateWindow();
}
