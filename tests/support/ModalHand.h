// Answers the modal windows of a Qt test as they open, in the order scripted: the settings
// dialog with the mouse or with the keyboard alone, a message box with OK, or whatever the test
// does with the window.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include <deque>
#include <functional>

// A window that nobody scripted is noted and closed, so that a test fails instead of waiting for
// ever.
class ModalHand final : public QObject {
public:
    using Reply = std::function<void(QWidget*)>;

    ModalHand() { qApp->installEventFilter(this); }
    ~ModalHand() override { qApp->removeEventFilter(this); }

    void Then(Reply reply) { m_replies.push_back(std::move(reply)); }
    bool Done() const { return m_replies.empty(); }

    bool okBoxes = false;   // message boxes that nobody scripted are closed with OK
    QStringList boxes;      // every message box, in order, as "caption: text"
    QStringList unexpected; // the titles of windows that nobody scripted
    // Looks at each message box as it opens, before it is answered.
    std::function<void(const QMessageBox&)> onBox;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || w == nullptr || !w->isModal() ||
            w->property("zeltaroSeen").toBool())
            return false;
        w->setProperty("zeltaroSeen", true);
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->windowTitle() + ": " + box->text();
            if (onBox)
                onBox(*box);
        }
        // The reply runs inside the window's own event loop, once it is up.
        QMetaObject::invokeMethod(
            w, [this, w] { Answer(w); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Answer(QWidget* w) {
        if (!m_replies.empty()) {
            const Reply reply = std::move(m_replies.front());
            m_replies.pop_front();
            reply(w);
        } else if (auto* box = qobject_cast<QMessageBox*>(w); okBoxes && box != nullptr) {
            box->button(QMessageBox::Ok)->click();
        } else {
            unexpected << w->windowTitle();
            w->close();
        }
    }

    std::deque<Reply> m_replies;
};

// The next window is the settings dialog: N, M and the order (0: player first) are picked.
inline ModalHand::Reply ChooseSettings(int total, int maxTake, int order) {
    return [=](QWidget* w) {
        auto* totals = w->findChild<QComboBox*>("IDC_TOTAL_COMBO");
        auto* takes = w->findChild<QComboBox*>("IDC_MAXTAKE_COMBO");
        totals->setCurrentIndex(totals->findText(QString::number(total)));
        takes->setCurrentIndex(takes->findText(QString::number(maxTake)));
        w->findChild<QRadioButton*>(order == 0 ? "IDC_FIRST_RADIO" : "IDC_SECOND_RADIO")->click();
        w->findChild<QPushButton*>("IDOK")->click();
    };
}

// The reply, once the window is active: offscreen the keyboard stays with the main window
// unless a dialog is made active. A window the reply leaves open, having failed half-way, is
// closed rather than left to hang.
inline ModalHand::Reply WhenActive(const ModalHand::Reply& reply) {
    return [reply](QWidget* w) {
        QApplication::setActiveWindow(w);
        if (QTest::qWaitForWindowActive(w))
            reply(w);
        if (w->isVisible())
            w->close();
    };
}

// The same with the keyboard alone: Tab from OK to the lists, Home and Down in each, Down in
// the radio pair for the second move, Enter for OK, the dialog's default button.
inline ModalHand::Reply ChooseSettingsByKeys(int total, int maxTake, int order) {
    return WhenActive([=](QWidget* w) {
        auto press = [w](Qt::Key key, int times = 1) {
            for (int i = 0; i < times; ++i)
                QTest::keyClick(w->focusWidget(), key);
        };
        press(Qt::Key_Tab, 2);
        press(Qt::Key_Home);
        press(Qt::Key_Down, (total - 21) / 2);
        press(Qt::Key_Tab);
        press(Qt::Key_Home);
        press(Qt::Key_Down, maxTake - 2);
        press(Qt::Key_Tab);
        press(Qt::Key_Down, order);
        press(Qt::Key_Return);
    });
}

// The next window is a dialog built from a template: its button with this name is pressed.
inline ModalHand::Reply Press(const char* name) {
    return [name](QWidget* w) { w->findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
}
