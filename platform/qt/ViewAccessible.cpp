// A view's widget for screen readers: its children are the parts of the picture that the view
// describes, looked up by key each time, so that they always read what is painted now.
#include "ViewAccessible.h"

#include "ViewAccessibleChild.h"
#include "ViewWidget.h"

#include <QAccessibleEvent>

ViewAccessible::ViewAccessible(ViewWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Client),
      m_seen(widget->View().GetAccessibleChildren()) {
    widget->AttachAccessible(this);
}

ViewAccessible::~ViewAccessible() {
    for (const auto& [nKey, id] : m_children)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* ViewAccessible::Create(const QString& className, QObject* object) {
    if (auto* widget = qobject_cast<ViewWidget*>(object);
        widget != nullptr && className == QLatin1String(ViewWidget::staticMetaObject.className()))
        return new ViewAccessible(widget);
    return nullptr;
}

ViewWidget* ViewAccessible::View() const { return static_cast<ViewWidget*>(widget()); }

int ViewAccessible::childCount() const {
    return int(View()->View().GetAccessibleChildren().size());
}

QAccessibleInterface* ViewAccessible::child(int index) const {
    const std::vector<CAccessibleChild> children = View()->View().GetAccessibleChildren();
    if (index < 0 || index >= int(children.size()))
        return nullptr;
    return ChildFor(children[size_t(index)].nKey);
}

QAccessibleInterface* ViewAccessible::ChildFor(int nKey) const {
    if (const auto found = m_children.find(nKey); found != m_children.end())
        return QAccessible::accessibleInterface(found->second);
    auto* child = new ViewAccessibleChild(const_cast<ViewAccessible*>(this), nKey);
    m_children[nKey] = QAccessible::registerAccessibleInterface(child);
    return child;
}

int ViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<CAccessibleChild> children = View()->View().GetAccessibleChildren();
    for (int i = 0; i < int(children.size()); ++i) {
        if (ChildFor(children[size_t(i)].nKey) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* ViewAccessible::childAt(int x, int y) const {
    for (const CAccessibleChild& child : View()->View().GetAccessibleChildren()) {
        if (ScreenRect(child).contains(x, y))
            return ChildFor(child.nKey);
    }
    return nullptr;
}

QAccessibleInterface* ViewAccessible::focusChild() const {
    for (const CAccessibleChild& child : View()->View().GetAccessibleChildren()) {
        if (child.bFocused)
            return ChildFor(child.nKey);
    }
    return QAccessibleWidget::focusChild();
}

bool ViewAccessible::Find(int nKey, CAccessibleChild* pChild) const {
    for (const CAccessibleChild& child : View()->View().GetAccessibleChildren()) {
        if (child.nKey == nKey) {
            *pChild = child;
            return true;
        }
    }
    return false;
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
    std::vector<CAccessibleChild> now = View()->View().GetAccessibleChildren();
    std::vector<int> keysSeen, keysNow;
    for (const CAccessibleChild& c : m_seen)
        keysSeen.push_back(c.nKey);
    for (const CAccessibleChild& c : now)
        keysNow.push_back(c.nKey);
    if (keysSeen != keysNow) {
        // Parts came or went (a new board, the totals at Start): the reader reads the view anew.
        Tell(QAccessibleEvent(widget(), QAccessible::ObjectReorder));
    } else {
        for (size_t i = 0; i < now.size(); ++i) {
            const CAccessibleChild &before = m_seen[i], &after = now[i];
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
    }
    m_seen = std::move(now);
}

void ViewAccessible::SetListener(std::function<void(QAccessibleEvent*)> listener) {
    m_listener = std::move(listener);
}

void ViewAccessible::Tell(QAccessibleEvent&& event) const { m_listener(&event); }
