// What a screen reader finds in a view's widget: the parts of the picture as children, read
// from the view, and an event for each part that changed since the last look.
#pragma once

#include "platform/Window.h"

#include <QAccessibleWidget>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class ViewWidget;

class ViewAccessible final : public QAccessibleWidget {
public:
    explicit ViewAccessible(ViewWidget* widget);
    ~ViewAccessible() override;
    ViewAccessible(const ViewAccessible&) = delete;
    ViewAccessible& operator=(const ViewAccessible&) = delete;

    // The factory that Qt asks for every widget's interface.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The part with this key as the view describes it now; none when it is not shown.
    std::optional<CAccessibleChild> Find(int nKey) const;
    // Where the part with this key lies on the screen.
    QRect ScreenRect(const CAccessibleChild& child) const;
    void Press(int nKey);
    // Compares the view with the last look and tells assistive technology what changed.
    void Refresh();
    // Where the changes are told: to assistive technology, or to a test that listens instead.
    void SetListener(std::function<void(QAccessibleEvent*)> listener);

private:
    ViewWidget* View() const;
    QAccessibleInterface* ChildFor(int nKey) const;
    void TellChanges(const CAccessibleChild& before, const CAccessibleChild& after) const;
    void Tell(QAccessibleEvent&& event) const;

    std::vector<CAccessibleChild> m_seen;
    mutable std::map<int, QAccessible::Id> m_children; // by key, made when first asked for
    std::function<void(QAccessibleEvent*)> m_listener = &QAccessible::updateAccessibility;
};
