// One part of a view's picture for a screen reader, read afresh from the view at each question.
#include "ViewAccessibleChild.h"

#include "ViewAccessible.h"

// The registry deletes it when its parent asks, or when the program ends; the analyzer cannot
// see that far.
QAccessible::Id ViewAccessibleChild::Register(ViewAccessible* parent, int nKey) {
    auto* child = new ViewAccessibleChild(parent, nKey);
    return QAccessible::registerAccessibleInterface(child); // NOLINT(*NewDeleteLeaks)
}

bool ViewAccessibleChild::isValid() const {
    return m_parent->isValid() && m_parent->Find(m_nKey).has_value();
}

QWindow* ViewAccessibleChild::window() const { return m_parent->window(); }

QAccessibleInterface* ViewAccessibleChild::parent() const { return m_parent; }

bool ViewAccessibleChild::IsItem() const {
    const auto child = m_parent->Find(m_nKey);
    return child && child->kind == CAccessibleChild::kItem;
}

QString ViewAccessibleChild::text(QAccessible::Text type) const {
    const auto child = m_parent->Find(m_nKey);
    if (child && type == QAccessible::Name)
        return QString::fromStdString(child->name);
    if (child && type == QAccessible::Value && child->nValue >= 0)
        return QString::number(child->nValue);
    return {};
}

QRect ViewAccessibleChild::rect() const {
    const auto child = m_parent->Find(m_nKey);
    return child ? m_parent->ScreenRect(*child) : QRect();
}

QAccessible::Role ViewAccessibleChild::role() const {
    return IsItem() ? QAccessible::Button : QAccessible::StaticText;
}

QAccessible::State ViewAccessibleChild::state() const {
    QAccessible::State state;
    const auto child = m_parent->Find(m_nKey);
    if (!child) {
        state.invalid = true;
        return state;
    }
    if (child->kind == CAccessibleChild::kItem) {
        state.focusable = true;
        state.focused = child->bFocused;
        state.disabled = !child->bAvailable;
    } else {
        state.readOnly = true;
    }
    return state;
}

void* ViewAccessibleChild::interface_cast(QAccessible::InterfaceType type) {
    const auto child = m_parent->Find(m_nKey);
    if (!child)
        return nullptr;
    if (type == QAccessible::ActionInterface && child->kind == CAccessibleChild::kItem)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::ValueInterface && child->nValue >= 0)
        return static_cast<QAccessibleValueInterface*>(this);
    return nullptr;
}

QStringList ViewAccessibleChild::actionNames() const {
    return IsItem() ? QStringList(pressAction()) : QStringList();
}

void ViewAccessibleChild::doAction(const QString& actionName) {
    if (actionName == pressAction() && IsItem())
        m_parent->Press(m_nKey);
}

QStringList ViewAccessibleChild::keyBindingsForAction(const QString& actionName) const {
    return actionName == pressAction() && IsItem() ? QStringList{"Space", "Return"} : QStringList();
}

QVariant ViewAccessibleChild::currentValue() const {
    const auto child = m_parent->Find(m_nKey);
    return child && child->nValue >= 0 ? QVariant(child->nValue) : QVariant();
}
