// What the widget tests share: a hand on the next modal dialog, a reader of message boxes, the
// platform's command guard, and the settings dialog driven through its widgets.
#pragma once

#include "platform/Dialog.h"
#include "platform/qt/QtModalRunner.h"
#include "platform/qt/TemplateDialog.h"
#include "resources/resource.h"
#include "view/ZeltaroView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

// Runs the action on the modal window once it is open: from a zero timer, which fires inside
// the dialog's own event loop. Looks again a few times, then hands over null.
inline void WhenModalOpens(std::function<void(QWidget*)> action, int retries = 20,
                           int delayMs = 0) {
    QTimer::singleShot(delayMs, [action = std::move(action), retries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && retries > 0)
            WhenModalOpens(std::move(action), retries - 1, 10);
        else
            action(modal);
    });
}

template <typename T> T* Child(QWidget* parent, const char* name) {
    return parent != nullptr ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

// Records every message box as it is shown and closes it with its OK button.
class BoxWatcher final : public QObject {
public:
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    BoxWatcher() { qApp->installEventFilter(this); }
    ~BoxWatcher() override { qApp->removeEventFilter(this); }

    std::vector<Box> boxes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QMetaObject::invokeMethod(
                box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// Issues a command the way the platform does: only when its update handler enables it.
inline bool Issue(CZeltaroView& view, UINT nID) {
    CCmdUI ui(nID);
    view.OnUpdateCommand(&ui);
    if (!ui.m_bEnabled)
        return false;
    return view.OnCommand(nID);
}

inline bool IsEnabled(CZeltaroView& view, UINT nID) {
    CCmdUI ui(nID);
    view.OnUpdateCommand(&ui);
    return ui.m_bEnableChanged && ui.m_bEnabled;
}

// Installs the Qt runner for the length of a test.
class RunnerScope {
public:
    RunnerScope() : m_previous(CDialog::SetModalRunner(&runner)) {}
    ~RunnerScope() { CDialog::SetModalRunner(m_previous); }
    RunnerScope(const RunnerScope&) = delete;
    RunnerScope& operator=(const RunnerScope&) = delete;

    QtModalRunner runner;

private:
    IModalRunner* m_previous;
};

// Opens the settings dialog through the command, lets the action work its widgets, and
// returns whether the action found the dialog.
inline bool RunSettings(CZeltaroView& view, std::function<void(TemplateDialog&)> action) {
    if (!IsEnabled(view, ID_GAME_SETTINGS))
        return false;
    auto found = std::make_shared<bool>(false);
    WhenModalOpens([found, action = std::move(action)](QWidget* modal) {
        auto* dialog = qobject_cast<TemplateDialog*>(modal);
        *found = dialog != nullptr;
        // Keys go where the focus is, and the focus needs an active window.
        if (dialog != nullptr && QTest::qWaitForWindowActive(dialog))
            action(*dialog);
        else if (modal != nullptr)
            modal->close();
    });
    view.OnCommand(ID_GAME_SETTINGS);
    return *found;
}

// Picks N, M and the order in the dialog's lists and radio buttons, then presses OK.
inline bool ChooseSettings(CZeltaroView& view, int total, int maxTake, int order) {
    return RunSettings(view, [=](TemplateDialog& dialog) {
        auto* totals = Child<QComboBox>(&dialog, "IDC_TOTAL_COMBO");
        auto* takes = Child<QComboBox>(&dialog, "IDC_MAXTAKE_COMBO");
        totals->setCurrentIndex(totals->findText(QString::number(total)));
        takes->setCurrentIndex(takes->findText(QString::number(maxTake)));
        Child<QRadioButton>(&dialog, order == 0 ? "IDC_FIRST_RADIO" : "IDC_SECOND_RADIO")->click();
        Child<QPushButton>(&dialog, "IDOK")->click();
    });
}

// The centre of item k's square, in the view's pixels.
inline QPoint ItemCentre(int k) {
    const CRect r = CZeltaroView::ItemRect(k);
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

inline QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
