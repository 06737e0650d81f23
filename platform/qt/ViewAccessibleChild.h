// One part of a view's picture for a screen reader: a text, which may stand for a number, or
// an item on the board, which can be pressed.
#pragma once

#include <QAccessibleInterface>

class ViewAccessible;

class ViewAccessibleChild final : public QAccessibleInterface,
                                  public QAccessibleActionInterface,
                                  public QAccessibleValueInterface {
public:
    // Makes the part with this key, to be owned by Qt's registry of interfaces under the id.
    static QAccessible::Id Register(ViewAccessible* parent, int nKey);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ViewAccessibleChild(ViewAccessible* parent, int nKey) : m_parent(parent), m_nKey(nKey) {}
    bool IsItem() const;

    ViewAccessible* m_parent;
    int m_nKey;
};
