// What a screen reader finds in a view's widget: the parts of the picture as children, read
// from the view, and the changes since the last look, told as events a screen reader speaks.
#pragma once

#include "platform/Window.h"

#include <QAccessibleWidget>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class ViewAccessible final : public QAccessibleWidget {
public:
    // The widget shows the view; press carries out a part's default action, later than asked.
    ViewAccessible(QWidget* widget, const CView& view, std::function<void(int)> press);
    ~ViewAccessible() override;

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

    // Compares the view with the last look and tells assistive technology what changed. With
    // bRetell the part with the focus is told again even when nothing in it changed.
    void Refresh(bool bRetell);
    // Where the changes are told: to assistive technology, or to a test that listens instead.
    void SetListener(std::function<void(QAccessibleEvent*)> listener) {
        m_listener = std::move(listener);
    }

private:
    class Part;
    // A part's identity, made when first asked for, and the one it had before it was last
    // renewed, kept a while for a reader that still asks it.
    struct Identities {
        QAccessible::Id now = 0;
        QAccessible::Id before = 0;
    };

    QAccessibleInterface* ChildFor(int nKey) const;
    void TellChanges(const CAccessibleChild& before, const CAccessibleChild& after) const;
    void TellFocus(const std::vector<CAccessibleChild>& now, bool bRetell);
    void Tell(QAccessibleEvent&& event) const { m_listener(&event); }

    const CView& m_view;
    std::function<void(int)> m_press;
    std::vector<CAccessibleChild> m_seen;
    mutable std::map<int, Identities> m_ids; // by key
    std::function<void(QAccessibleEvent*)> m_listener = &QAccessible::updateAccessibility;
};
