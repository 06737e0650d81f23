// What a screen reader finds in a view's widget: the parts of the picture as children, read
// from the view, and the changes since the last look, told as events a screen reader speaks.
#pragma once

#include "platform/Window.h"

#include <QAccessibleWidget>

#include <functional>
#include <map>
#include <vector>

class ViewAccessible final : public QAccessibleWidget {
public:
    // The widget shows the view; press carries out a part's default action, later than asked.
    ViewAccessible(QWidget* widget, const CView& view, std::function<void(int)> press);
    ~ViewAccessible() override;
    ViewAccessible(const ViewAccessible&) = delete;
    ViewAccessible& operator=(const ViewAccessible&) = delete;

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Compares the view with the last look and tells assistive technology what changed. With
    // bRetell the part with the focus is told again even when nothing in it changed.
    void Refresh(bool bRetell = false);
    // Where the changes are told: to assistive technology, or to a test that listens instead.
    void SetListener(std::function<void(QAccessibleEvent*)> listener);

private:
    class Part;

    QAccessibleInterface* ChildFor(int nKey) const;
    // The part with the focus gets a new identity, so that a reader hears it as a new object.
    void Renew(int nKey);
    void Drop(int nKey);
    void TellChanges(const CAccessibleChild& before, const CAccessibleChild& after) const;
    void TellFocus(const std::vector<CAccessibleChild>& now, bool bRetell);
    void Tell(QAccessibleEvent&& event) const;

    const CView& m_view;
    std::function<void(int)> m_press;
    std::vector<CAccessibleChild> m_seen;
    mutable std::map<int, QAccessible::Id> m_children; // by key, made when first asked for
    std::map<int, QAccessible::Id> m_renewed;          // the identity each part had before
    std::function<void(QAccessibleEvent*)> m_listener = &QAccessible::updateAccessibility;
};
