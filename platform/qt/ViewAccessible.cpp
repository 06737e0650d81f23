// A view's widget for screen readers: its children are the parts of the picture that the view
// describes, looked up by key each time, so that they always read what is painted now.
#include "ViewAccessible.h"

#include "ViewAccessibleChild.h"
#include "ViewWidget.h"

#include <QAccessibleEvent>

#include <algorithm>

ViewAccessible::ViewAccessible(ViewWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Client), m_seen(widget->AccessibleChildren()) {
    widget->AttachAccessible(this);
}

ViewAccessible::~ViewAccessible() {
    // The registry may have let the parts go already, as the program ends.
    for (const auto& [nKey, id] : m_children) {
        if (QAccessible::accessibleInterface(id) != nullptr)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* ViewAccessible::Create(const QString& className, QObject* object) {
    if (auto* widget = qobject_cast<ViewWidget*>(object);
        widget != nullptr && className == QLatin1String(ViewWidget::staticMetaObject.className()))
        return new ViewAccessible(widget);
    return nullptr;
}

ViewWidget* ViewAccessible::View() const { return static_cast<ViewWidget*>(widget()); }

int ViewAccessible::childCount() const { return int(View()->AccessibleChildren().size()); }

QAccessibleInterface* ViewAccessible::child(int index) const {
    const std::vector<CAccessibleChild> children = View()->AccessibleChildren();
    if (index < 0 || index >= int(children.size()))
        return nullptr;
    return ChildFor(children[size_t(index)].nKey);
}

QAccessibleInterface* ViewAccessible::ChildFor(int nKey) const {
    if (const auto found = m_children.find(nKey); found != m_children.end())
        return QAccessible::accessibleInterface(found->second);
    const QAccessible::Id id =
        ViewAccessibleChild::Register(const_cast<ViewAccessible*>(this), nKey);
    m_children[nKey] = id;
    return QAccessible::accessibleInterface(id);
}

int ViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<CAccessibleChild> children = View()->AccessibleChildren();
    for (int i = 0; i < int(children.size()); ++i) {
        if (ChildFor(children[size_t(i)].nKey) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* ViewAccessible::childAt(int x, int y) const {
    for (const CAccessibleChild& child : View()->AccessibleChildren()) {
        if (ScreenRect(child).contains(x, y))
            return ChildFor(child.nKey);
    }
    return nullptr;
}

QAccessibleInterface* ViewAccessible::focusChild() const {
    for (const CAccessibleChild& child : View()->AccessibleChildren()) {
        if (child.bFocused)
            return ChildFor(child.nKey);
    }
    return QAccessibleWidget::focusChild();
}

std::optional<CAccessibleChild> ViewAccessible::Find(int nKey) const {
    const std::vector<CAccessibleChild> children = View()->AccessibleChildren();
    const auto found = std::find_if(children.begin(), children.end(),
                                    [nKey](const CAccessibleChild& c) { return c.nKey == nKey; });
    return found != children.end() ? std::optional(*found) : std::nullopt;
}

// A text is as wide and as high as it is drawn in the widget's font.
QRect ViewAccessible::ScreenRect(const CAccessibleChild& child) const {
    QRect r(child.rect.left, child.rect.top, child.rect.Width(), child.rect.Height());
    if (r.isEmpty())
        r.setSize(View()->fontMetrics().size(0, QString::fromStdString(child.name)));
    return QRect(View()->mapToGlobal(r.topLeft()), r.size());
}

void ViewAccessible::Press(int nKey) { View()->PressAccessible(nKey); }

void ViewAccessible::Refresh() {
    std::vector<CAccessibleChild> now = View()->AccessibleChildren();
    const auto sameKey = [](const CAccessibleChild& a, const CAccessibleChild& b) {
        return a.nKey == b.nKey;
    };
    if (std::equal(m_seen.begin(), m_seen.end(), now.begin(), now.end(), sameKey)) {
        for (size_t i = 0; i < now.size(); ++i)
            TellChanges(m_seen[i], now[i]);
    } else {
        // Parts came or went (a new board, the totals at Start): the reader reads the view anew.
        Tell(QAccessibleEvent(widget(), QAccessible::ObjectReorder));
    }
    m_seen = std::move(now);
}

void ViewAccessible::TellChanges(const CAccessibleChild& before,
                                 const CAccessibleChild& after) const {
    QAccessibleInterface* iface = ChildFor(after.nKey);
    if (after.name != before.name)
        Tell(QAccessibleEvent(iface, QAccessible::NameChanged));
    if (after.nValue != before.nValue)
        Tell(QAccessibleValueChangeEvent(iface, after.nValue));
    if (after.bAvailable != before.bAvailable) {
        QAccessible::State changed;
        changed.disabled = true;
        Tell(QAccessibleStateChangeEvent(iface, changed));
    }
    if (after.bFocused && !before.bFocused)
        Tell(QAccessibleEvent(iface, QAccessible::Focus));
}

void ViewAccessible::SetListener(std::function<void(QAccessibleEvent*)> listener) {
    m_listener = std::move(listener);
}

void ViewAccessible::Tell(QAccessibleEvent&& event) const { m_listener(&event); }
