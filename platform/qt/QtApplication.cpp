// The program's Qt application. A screen reader's request arrives over the session's message
// bus and is served inside one call on the program's own thread; the reader has its answer only
// when that call returns.
#include "QtApplication.h"

#include <QEvent>

#include <utility>

QtApplication::QtApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void QtApplication::RunCommand(QObject* context, std::function<void()> command) {
    auto* app = dynamic_cast<QtApplication*>(QCoreApplication::instance());
    if (app == nullptr || !app->m_bServingReader) {
        command();
        return;
    }
    if (app->m_waiting.empty())
        QCoreApplication::postEvent(app, new QEvent(QEvent::User));
    app->m_waiting.emplace_back(context, std::move(command));
}

void QtApplication::customEvent(QEvent* event) {
    if (event->type() != QEvent::User)
        return;
    for (const auto& [context, command] : std::exchange(m_waiting, {})) {
        if (context != nullptr)
            command();
    }
}

// Qt's bridge for assistive technology serves the bus's requests as a bus object of its own,
// which each request reaches as a call placed on the object.
bool QtApplication::notify(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::MetaCall || !receiver->inherits("QDBusVirtualObject"))
        return QApplication::notify(receiver, event);
    const bool bWasServing = std::exchange(m_bServingReader, true);
    const bool bHandled = QApplication::notify(receiver, event);
    m_bServingReader = bWasServing;
    return bHandled;
}
