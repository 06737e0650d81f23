// Qt's VNC platform listens on every network interface and has no setting to narrow that. Its
// server has no password, and the game (with its Save dialog) is meant for the person at this
// computer, so the listening socket is moved to the loopback address before anyone can
// connect. The server starts listening from the first turn of the event loop; a filter on
// the application sees it start and moves it right after.
#include "VncLoopback.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class VncLoopbackMover final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MetaCall &&
            qstrcmp(watched->metaObject()->className(), "QVncServer") == 0) {
            // The call that starts the server runs after this filter returns.
            QPointer<QObject> server(watched);
            QTimer::singleShot(0, this, [this, server] { Move(server); });
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    void Move(QObject* server) {
        auto* socket = server != nullptr ? server->findChild<QTcpServer*>() : nullptr;
        if (socket == nullptr || !socket->isListening())
            Fail("the VNC server was not found");
        const quint16 port = socket->serverPort();
        socket->close();
        if (!socket->listen(QHostAddress::LocalHost, port))
            Fail(socket->errorString().toLocal8Bit().constData());
        deleteLater();
    }

    // Serving the window to the whole network instead is not an option.
    [[noreturn]] static void Fail(const char* reason) {
        std::fprintf(stderr, "zeltaro: cannot keep the VNC server on 127.0.0.1: %s\n", reason);
        std::exit(EXIT_FAILURE);
    }
};

} // namespace

void KeepVncServerOnLoopback() {
    if (QGuiApplication::platformName() != QLatin1String("vnc"))
        return;
    auto* mover = new VncLoopbackMover(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(mover);
}
