// Qt's VNC platform listens on every network interface and has no setting to narrow that. Its
// server has no password, and the game (with its Save dialog) is meant for the person at this
// computer, so the listening socket is moved to the loopback address before anyone can
// connect. The server starts listening from the first turn of the event loop; a filter on
// the application sees it start, and right after, a socket bound to the loopback address with
// the same port takes the listening socket's place under the same descriptor, which is all
// that the server watches. (Done below Qt's network classes, whose library the program would
// otherwise load at every start for this alone.)
#include "VncLoopback.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

#include <arpa/inet.h>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Serving the window to the whole network instead is not an option.
[[noreturn]] void Fail(const char* reason) {
    std::fprintf(stderr, "zeltaro: cannot keep the VNC server on 127.0.0.1: %s\n", reason);
    std::exit(EXIT_FAILURE);
}

// The port of a listening TCP socket, or -1 when the descriptor is none.
int ListeningPort(int fd) {
    int bListening = 0;
    socklen_t length = sizeof bListening;
    if (getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &bListening, &length) != 0 || !bListening)
        return -1;
    sockaddr_storage address{};
    length = sizeof address;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return -1;
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return -1;
}

// The VNC server's socket: the process's only listening TCP socket. -1 when there is not
// exactly one.
int FindServerSocket(int* pPort) {
    DIR* dir = opendir("/proc/self/fd");
    if (dir == nullptr)
        return -1;
    int found = -1;
    int count = 0;
    while (const dirent* entry = readdir(dir)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0')
            continue;
        const int port = ListeningPort(static_cast<int>(fd));
        if (port >= 0) {
            found = static_cast<int>(fd);
            *pPort = port;
            ++count;
        }
    }
    closedir(dir);
    return count == 1 ? found : -1;
}

void MoveToLoopback() {
    int port = 0;
    const int fd = FindServerSocket(&port);
    if (fd < 0)
        Fail("the VNC server was not found");
    const int fresh = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (fresh < 0)
        Fail(std::strerror(errno));
    const int one = 1;
    setsockopt(fresh, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    // Closes the socket that listens everywhere, which frees the port for the new one.
    if (dup2(fresh, fd) < 0)
        Fail(std::strerror(errno));
    close(fresh);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, SOMAXCONN) != 0)
        Fail(std::strerror(errno));
}

class VncLoopbackMover final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MetaCall &&
            qstrcmp(watched->metaObject()->className(), "QVncServer") == 0) {
            // The call that starts the server runs after this filter returns, and before the
            // event posted here.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        MoveToLoopback();
        deleteLater();
        return true;
    }
};

} // namespace

void KeepVncServerOnLoopback() {
    if (QGuiApplication::platformName() != QLatin1String("vnc"))
        return;
    auto* mover = new VncLoopbackMover(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(mover);
}
