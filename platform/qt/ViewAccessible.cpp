// A view's widget for screen readers. Its children are the parts of the picture that the view
// describes, looked up by key at each question, so that they always read what is painted now.
// Qt's bridge sends a changed name or description without the new text, and a reader speaks
// nothing for it; what it does speak is the focus coming to another object. So a change in the
// part with the focus gives that part a new identity, and the focus moves onto it.
#include "ViewAccessible.h"

#include <QAccessibleEvent>
#include <QMetaObject>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

std::optional<CAccessibleChild> FindPart(const std::vector<CAccessibleChild>& parts, int nKey) {
    const auto found = std::find_if(parts.begin(), parts.end(),
                                    [nKey](const CAccessibleChild& c) { return c.nKey == nKey; });
    return found != parts.end() ? std::optional(*found) : std::nullopt;
}

const CAccessibleChild* Focused(const std::vector<CAccessibleChild>& parts) {
    const auto found = std::find_if(parts.begin(), parts.end(),
                                    [](const CAccessibleChild& c) { return c.bFocused; });
    return found != parts.end() ? &*found : nullptr;
}

// The registry may have let a part go already, as the program ends.
void Forget(QAccessible::Id id) {
    if (QAccessible::accessibleInterface(id) != nullptr)
        QAccessible::deleteAccessibleInterface(id);
}

} // namespace

// One part: a text, or an item on the board, which can be pressed.
class ViewAccessible::Part final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    Part(ViewAccessible* owner, int nKey) : m_owner(owner), m_nKey(nKey) {}

    bool isValid() const override { return m_owner->isValid() && Read().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_owner->window(); }
    QAccessibleInterface* parent() const override { return m_owner; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text type) const override {
        const auto part = Read();
        if (part && type == QAccessible::Name)
            return QString::fromStdString(part->name);
        if (part && type == QAccessible::Description)
            return QString::fromStdString(part->description);
        return {};
    }

    // A reader takes two objects with the same role, name and place for one: an identity left
    // behind has no place, so that the new one is heard.
    void LeaveBehind() { m_bLeft = true; }

    // A text is as wide and as high as it is drawn in the widget's font.
    QRect rect() const override {
        const auto part = Read();
        if (!part || m_bLeft)
            return {};
        const QWidget* widget = m_owner->widget();
        QRect r(part->rect.left, part->rect.top, part->rect.Width(), part->rect.Height());
        if (r.isEmpty())
            r.setSize(widget->fontMetrics().size(0, QString::fromStdString(part->name)));
        return QRect(widget->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override {
        return IsItem() ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        const auto part = Read();
        const bool bItem = part && part->kind == CAccessibleChild::kItem;
        QAccessible::State state;
        state.invalid = !part;
        state.focusable = bItem;
        state.focused = bItem && part->bFocused;
        state.disabled = bItem && !part->bAvailable;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && IsItem()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    QStringList actionNames() const override {
        return IsItem() ? QStringList(pressAction()) : QStringList();
    }
    // The caller is answered first: the click may open a box, which waits for the player.
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && IsItem())
            QMetaObject::invokeMethod(
                m_owner->widget(), [press = m_owner->m_press, nKey = m_nKey] { press(nKey); },
                Qt::QueuedConnection);
    }
    // Space and Enter take the item only where the keyboard's frame is: no key of its own.
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

private:
    std::optional<CAccessibleChild> Read() const {
        return FindPart(m_owner->m_view.GetAccessibleChildren(), m_nKey);
    }
    bool IsItem() const {
        const auto part = Read();
        return part && part->kind == CAccessibleChild::kItem;
    }

    ViewAccessible* m_owner;
    int m_nKey;
    bool m_bLeft = false;
};

ViewAccessible::ViewAccessible(QWidget* widget, const CView& view, std::function<void(int)> press)
    : QAccessibleWidget(widget, QAccessible::Client), m_view(view), m_press(std::move(press)),
      m_seen(view.GetAccessibleChildren()) {}

ViewAccessible::~ViewAccessible() {
    for (const auto& [nKey, ids] : m_ids) {
        Forget(ids.now);
        Forget(ids.before);
    }
}

QString ViewAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return QString::fromStdString(m_view.GetAccessibleName());
    if (type == QAccessible::Description)
        return QString::fromStdString(m_view.GetAccessibleDescription());
    return QAccessibleWidget::text(type);
}

int ViewAccessible::childCount() const { return int(m_view.GetAccessibleChildren().size()); }

QAccessibleInterface* ViewAccessible::child(int index) const {
    const std::vector<CAccessibleChild> children = m_view.GetAccessibleChildren();
    if (index < 0 || index >= int(children.size()))
        return nullptr;
    return ChildFor(children[size_t(index)].nKey);
}

// The registry owns each part and deletes it when asked here, or when the program ends; the
// analyzer cannot see that far.
QAccessibleInterface* ViewAccessible::ChildFor(int nKey) const {
    QAccessible::Id& id = m_ids[nKey].now;
    if (id == 0) {
        // NOLINTNEXTLINE(*NewDeleteLeaks)
        id = QAccessible::registerAccessibleInterface(
            new Part(const_cast<ViewAccessible*>(this), nKey));
    }
    return QAccessible::accessibleInterface(id);
}

int ViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<CAccessibleChild> children = m_view.GetAccessibleChildren();
    for (int i = 0; i < int(children.size()); ++i) {
        if (ChildFor(children[size_t(i)].nKey) == child)
            return i;
    }
    return -1;
}

QAccessibleInterface* ViewAccessible::focusChild() const {
    if (const CAccessibleChild* focused = Focused(m_view.GetAccessibleChildren()))
        return ChildFor(focused->nKey);
    return QAccessibleWidget::focusChild();
}

void ViewAccessible::Refresh(bool bRetell) {
    std::vector<CAccessibleChild> now = m_view.GetAccessibleChildren();
    for (const CAccessibleChild& before : m_seen) {
        if (const auto after = FindPart(now, before.nKey)) {
            TellChanges(before, *after);
        } else if (const auto gone = m_ids.find(before.nKey); gone != m_ids.end()) {
            Forget(gone->second.now); // a part no longer shown: its identities go
            Forget(gone->second.before);
            m_ids.erase(gone);
        }
    }
    // New parts (a new board, the totals at Start), each announced to its parent.
    for (const CAccessibleChild& after : now) {
        if (!FindPart(m_seen, after.nKey))
            Tell(QAccessibleEvent(ChildFor(after.nKey), QAccessible::ObjectCreated));
    }
    TellFocus(now, bRetell);
    m_seen = std::move(now);
}

// What a reader ignores unless it has the focus; the part with the focus is told by TellFocus.
void ViewAccessible::TellChanges(const CAccessibleChild& before,
                                 const CAccessibleChild& after) const {
    if (after.bFocused)
        return;
    QAccessibleInterface* iface = ChildFor(after.nKey);
    if (after.name != before.name)
        Tell(QAccessibleEvent(iface, QAccessible::NameChanged));
    if (after.bAvailable != before.bAvailable) {
        QAccessible::State changed;
        changed.disabled = true;
        Tell(QAccessibleStateChangeEvent(iface, changed));
    }
}

// A part that keeps the focus is told again with new words, or when asked to be, under a new
// identity: the one before last goes, the last is left behind, and the focus comes to the new.
void ViewAccessible::TellFocus(const std::vector<CAccessibleChild>& now, bool bRetell) {
    const CAccessibleChild* after = Focused(now);
    const CAccessibleChild* before = Focused(m_seen);
    if (after == nullptr) {
        // The focus leaves the items for the board itself, as at New game: the board is told
        // with its news. While a box is open the board has no focus, and is told when it is back.
        if (before != nullptr && widget()->hasFocus())
            Tell(QAccessibleEvent(widget(), QAccessible::Focus));
        return;
    }
    if (before != nullptr && before->nKey == after->nKey) {
        if (before->name == after->name && before->description == after->description && !bRetell)
            return;
        Identities& ids = m_ids[after->nKey];
        Forget(ids.before);
        if (auto* part = static_cast<Part*>(QAccessible::accessibleInterface(ids.now)))
            part->LeaveBehind();
        ids.before = std::exchange(ids.now, 0);
    }
    Tell(QAccessibleEvent(ChildFor(after->nKey), QAccessible::Focus));
}
