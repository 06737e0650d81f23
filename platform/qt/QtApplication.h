// The program's Qt application: a command that a screen reader presses is carried out once the
// reader has had its answer.
#pragma once

#include <QApplication>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class QtApplication final : public QApplication {
public:
    QtApplication(int& argc, char** argv);

    // Runs a command now, or, while a screen reader's request is being served, as soon as the
    // reader has been answered: the command may open a box that waits for the player, and a
    // reader kept waiting says nothing meanwhile, the box included. Under any other application
    // (the tests' own) it always runs now. A command left waiting is dropped with its context.
    static void RunCommand(QObject* context, std::function<void()> command);

protected:
    bool notify(QObject* receiver, QEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    bool m_bServingReader = false;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
};
