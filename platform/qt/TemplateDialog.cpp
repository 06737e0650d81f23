// Building a dialog's window and controls from its template, and serving their values to the
// dialog's data exchange while it runs.
#include "TemplateDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Where a template's position is counted from: the top left of the owner's client area, which
// begins below its menu bar.
QPoint ClientOrigin(const QWidget* pOwner) {
    const auto* window = qobject_cast<const QMainWindow*>(pOwner);
    const QWidget* menu = window != nullptr ? window->menuWidget() : nullptr;
    const int top = menu != nullptr && menu->isVisible() ? menu->geometry().bottom() + 1 : 0;
    return pOwner->mapToGlobal(QPoint(0, top));
}

// The windowing system restores what a closed dialog covered from the owner's last picture,
// which shows the game as it was before the dialog. So each widget of the owner window repaints
// that area once the caller has applied the dialog's choices (the window alone would not reach
// the view, which paints all of its own area); the rest waits for its next repaint.
void RepaintWhereItLay(QWidget& owner, const QRect& frame) {
    const QList<QWidget*> widgets = owner.findChildren<QWidget*>() << &owner;
    for (QWidget* widget : widgets) {
        if (widget->window() == &owner && widget->isVisible())
            widget->update(QRect(widget->mapFromGlobal(frame.topLeft()), frame.size()));
    }
}

// The first control of type T made so far whose place passes the test.
template <class T, class Test> T* Earlier(const QWidget* dialog, Test test) {
    for (T* widget : dialog->findChildren<T*>(Qt::FindDirectChildrenOnly)) {
        if (test(widget->geometry()))
            return widget;
    }
    return nullptr;
}

// A drop-down list with the initialisation data's strings, in the order given, which is the
// list's; nothing is selected until the dialog's exchange selects. The closed box takes its
// natural height, and as many entries show dropped down as fit the template's height.
QComboBox* NewList(int nID, const DialogTemplate& tmpl, QRect& rect, QWidget* dialog) {
    auto* box = new QComboBox(dialog);
    // A screen reader reads a list with the text above it, over its left edge.
    const auto over = [at = rect.topLeft()](const QRect& r) {
        return r.left() <= at.x() && at.x() <= r.right() && r.bottom() < at.y();
    };
    if (auto* above = Earlier<QLabel>(dialog, over))
        above->setBuddy(box);
    for (const DialogInitRecord& record : tmpl.initData) {
        if (record.nIDC == nID && record.message == CB_ADDSTRING)
            box->addItem(QString::fromUtf8(record.text));
    }
    box->setCurrentIndex(-1);
    const int closed = box->sizeHint().height();
    box->setMaxVisibleItems(
        std::max(1, (rect.height() - closed) / std::max(1, box->view()->sizeHintForRow(0))));
    rect.setHeight(closed);
    // A reader hears the entry a closed list moves to as the focus coming to it in the list,
    // and the entry chosen as the list's description when the focus comes to the list.
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box](int index) {
        if (box->hasFocus() && index >= 0) {
            QAccessibleEvent entry(box->view(), QAccessible::Focus);
            entry.setChild(index);
            QAccessible::updateAccessibility(&entry);
        }
        box->setAccessibleDescription(box->currentText());
    });
    return box;
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& tmpl, CDialog& dialog, const QIcon& icon,
                               QWidget* parent)
    : QDialog(parent), m_dialog(dialog) {
    m_dialog.AttachSite(this);
    setWindowTitle(QString::fromUtf8(tmpl.caption));
    // Templates name faces that few desktops here have (Arial, MS Sans Serif): the system's
    // font substitution picks the face that shows each, the same way for every template.
    setFont(QFont(QString::fromUtf8(tmpl.fontName), tmpl.pointSize));
    // A dialog unit is a quarter of the font's average character width, measured the classic
    // way over the alphabet, and an eighth of its height.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int across = (fontMetrics().horizontalAdvance(alphabet) / 26 + 1) / 2;
    m_unit = QPointF(across / 4.0, fontMetrics().height() / 8.0);
    // Without a system menu the caption has nothing on it; Escape still cancels.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint |
                   ((tmpl.style & WS_SYSMENU) != 0
                        ? Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                        : Qt::CustomizeWindowHint));

    const QRect frame = ToPixels(tmpl.x, tmpl.y, tmpl.cx, tmpl.cy);
    setFixedSize(frame.size());
    // Its controls stand where the template puts them, so the dialog is laid out the way its
    // owner is.
    if (parent != nullptr) {
        move(ClientOrigin(parent) + frame.topLeft());
        setLayoutDirection(parent->layoutDirection());
    }
    for (const DialogControl& control : tmpl.controls) {
        QRect rect = ToPixels(control.x, control.y, control.cx, control.cy);
        QWidget* widget = CreateControl(control, tmpl, icon, rect);
        widget->setGeometry(rect);
        widget->setObjectName(QString::fromUtf8(control.name));
        m_controls[control.nID] = widget;
        // Only tab stops take the focus from the keyboard. They are created in template order,
        // and Tab visits them in it.
        if ((control.style & WS_TABSTOP) == 0 && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::ClickFocus);
    }
}

int TemplateDialog::Run(CDialog& dialog, QWidget& owner) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateID());
    if (tmpl == nullptr)
        return -1;

    TemplateDialog window(*tmpl, dialog, QApplication::windowIcon(), &owner);
    // The lists are filled by now, so the dialog's exchange can select in them.
    const bool bDefaultFocus = dialog.OnInitDialog();
    // A dialog may end itself while it initialises; then it is never shown.
    if (!window.Ended()) {
        if (bDefaultFocus)
            window.focusNextChild(); // the first tab stop
        window.exec();
        RepaintWhereItLay(owner, window.frameGeometry());
    }
    return window.Result();
}

QRect TemplateDialog::ToPixels(int x, int y, int cx, int cy) const {
    return QRect(qRound(x * m_unit.x()), qRound(y * m_unit.y()), qRound(cx * m_unit.x()),
                 qRound(cy * m_unit.y()));
}

QWidget* TemplateDialog::CreateControl(const DialogControl& control, const DialogTemplate& tmpl,
                                       const QIcon& icon, QRect& rect) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        connect(button, &QPushButton::clicked, this,
                [this, nID = static_cast<UINT>(control.nID)] { m_dialog.OnCommand(nID); });
        return button;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::ComboBox:
        return NewList(control.nID, tmpl, rect, this);
    case ControlKind::RadioButton: {
        // A group-starting button opens a new exclusive group, which the buttons after it join;
        // each button's id is its position there.
        if ((control.style & WS_GROUP) != 0 || m_pOpenGroup == nullptr)
            m_pOpenGroup = new QButtonGroup(this);
        // A screen reader reads the button as one of the group box around it.
        QWidget* box =
            Earlier<QGroupBox>(this, [&rect](const QRect& r) { return r.contains(rect); });
        if (box != nullptr)
            rect.translate(-box->pos());
        auto* button = new QRadioButton(text, box != nullptr ? box : this);
        m_pOpenGroup->addButton(button, int(m_pOpenGroup->buttons().size()));
        return button;
    }
    case ControlKind::Icon:
        // The control takes the icon's size, whatever the template says.
        rect.setSize(QSize(32, 32));
        auto* label = new QLabel(this);
        label->setPixmap(icon.pixmap(rect.size()));
        return label;
    }
    return nullptr;
}

// The exchange names a radio group by its first button; a position of -1 selects nothing.

int TemplateDialog::GetComboIndex(int nIDC) const {
    const auto* box = qobject_cast<QComboBox*>(m_controls.value(nIDC));
    return box != nullptr ? box->currentIndex() : -1;
}

void TemplateDialog::SetComboIndex(int nIDC, int nIndex) {
    if (auto* box = qobject_cast<QComboBox*>(m_controls.value(nIDC)))
        box->setCurrentIndex(nIndex);
}

int TemplateDialog::GetRadioIndex(int nIDC) const {
    const auto* first = qobject_cast<QRadioButton*>(m_controls.value(nIDC));
    return first != nullptr ? first->group()->checkedId() : -1;
}

void TemplateDialog::SetRadioIndex(int nIDC, int nIndex) {
    const auto* first = qobject_cast<QRadioButton*>(m_controls.value(nIDC));
    if (QAbstractButton* button = first != nullptr ? first->group()->button(nIndex) : nullptr)
        button->setChecked(true);
}

void TemplateDialog::EndDialog(int nResult) {
    m_result = nResult;
    done(nResult);
}

void TemplateDialog::reject() { m_dialog.OnCommand(IDCANCEL); }
