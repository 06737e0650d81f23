// Building a dialog's window and controls from its template, and serving their values to the
// dialog's data exchange while it runs.
#include "TemplateDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The classic way to measure a font's average character width.
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// Icon controls size themselves to the icon, whatever the template says.
constexpr int kIconSize = 32;

// a * b / c, rounded to the nearest integer.
int MulDiv(int a, int b, int c) { return (2 * a * b + c) / (2 * c); }

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
void RepaintWhereItLay(QWidget* pOwner, const QRect& frame) {
    if (pOwner == nullptr)
        return;
    const QList<QWidget*> widgets = pOwner->findChildren<QWidget*>() << pOwner;
    for (QWidget* widget : widgets) {
        if (widget->window() == pOwner && widget->isVisible())
            widget->update(QRect(widget->mapFromGlobal(frame.topLeft()), frame.size()));
    }
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& tmpl, CDialog& dialog, const QIcon& icon,
                               QWidget* parent)
    : QDialog(parent), m_dialog(dialog) {
    setWindowTitle(QString::fromUtf8(tmpl.caption));
    // Templates name faces that few desktops here have (Arial, MS Sans Serif): the system's
    // font substitution picks the face that shows each, the same way for every template.
    setFont(QFont(QString::fromUtf8(tmpl.fontName), tmpl.pointSize));
    const QFontMetrics fm(font());
    m_baseUnits =
        QSize((fm.horizontalAdvance(QString::fromLatin1(kAlphabet)) / 26 + 1) / 2, fm.height());
    // Without a system menu the caption has nothing on it; Escape still cancels.
    const bool bSysMenu = (tmpl.style & WS_SYSMENU) != 0;
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint |
                   (bSysMenu ? Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
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
        // A group-starting control closes the radio group before it.
        if ((control.style & WS_GROUP) != 0)
            m_pOpenGroup = nullptr;
        QRect rect = ToPixels(control.x, control.y, control.cx, control.cy);
        QWidget* widget = CreateControl(control, icon, tmpl, rect);
        widget->setGeometry(rect);
        widget->setObjectName(QString::fromUtf8(control.name));
        m_controls[control.nID] = widget;
        // Only tab stops take the focus from the keyboard. They are created in template order,
        // and Tab visits them in it.
        if ((control.style & WS_TABSTOP) == 0 && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::ClickFocus);
    }
    LinkForReaders();
}

int TemplateDialog::Run(CDialog& dialog, QWidget* pOwner) {
    const DialogTemplate* tmpl = FindDialogTemplate(dialog.TemplateID());
    if (tmpl == nullptr)
        return -1;

    TemplateDialog window(*tmpl, dialog, QApplication::windowIcon(), pOwner);
    dialog.AttachSite(&window);
    // The lists are filled by now, so the dialog's exchange can select in them.
    const bool bDefaultFocus = dialog.OnInitDialog();
    // A dialog may end itself while it initialises; then it is never shown.
    if (!window.Ended()) {
        if (bDefaultFocus)
            window.focusNextChild(); // the first tab stop
        window.exec();
        RepaintWhereItLay(pOwner, window.frameGeometry());
    }
    dialog.AttachSite(nullptr);
    return window.Ended() ? window.Result() : IDCANCEL;
}

QRect TemplateDialog::ToPixels(int x, int y, int cx, int cy) const {
    const QSize& unit = m_baseUnits;
    return QRect(MulDiv(x, unit.width(), 4), MulDiv(y, unit.height(), 8),
                 MulDiv(cx, unit.width(), 4), MulDiv(cy, unit.height(), 8));
}

QWidget* TemplateDialog::CreateControl(const DialogControl& control, const QIcon& icon,
                                       const DialogTemplate& tmpl, QRect& rect) {
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
        return CreateList(control, tmpl, rect);
    case ControlKind::RadioButton: {
        auto* button = new QRadioButton(text, this);
        if (m_pOpenGroup == nullptr)
            m_pOpenGroup = new QButtonGroup(this); // exclusive
        m_pOpenGroup->addButton(button, int(m_pOpenGroup->buttons().size()));
        return button;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(this);
        label->setPixmap(icon.pixmap(kIconSize, kIconSize));
        rect.setSize(QSize(kIconSize, kIconSize));
        return label;
    }
    }
    return nullptr;
}

// A drop-down list with the initialisation data's strings, in the order given, which is the
// list's; nothing is selected until the dialog's exchange selects. The closed box takes its
// natural height, and as many entries show dropped down as fit the template's height.
QWidget* TemplateDialog::CreateList(const DialogControl& control, const DialogTemplate& tmpl,
                                    QRect& rect) {
    auto* box = new QComboBox(this);
    for (const DialogInitRecord& record : tmpl.initData) {
        if (record.nIDC == control.nID && record.message == CB_ADDSTRING)
            box->addItem(QString::fromUtf8(record.text));
    }
    box->setCurrentIndex(-1);
    const int closed = box->sizeHint().height();
    box->setMaxVisibleItems(
        std::max(1, (rect.height() - closed) / std::max(1, box->view()->sizeHintForRow(0))));
    rect.setHeight(closed);
    return box;
}

// A screen reader reads a list with the text above it, and a radio button as one of the group
// box around it: the text becomes the list's buddy, the box the button's parent. Nothing moves.
void TemplateDialog::LinkForReaders() {
    const auto labels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QComboBox* box : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
        QLabel* above = nullptr;
        for (QLabel* label : labels) {
            const QRect r = label->geometry();
            if (r.left() <= box->x() && box->x() <= r.right() && r.bottom() < box->y() &&
                (above == nullptr || r.bottom() > above->geometry().bottom()))
                above = label;
        }
        if (above != nullptr)
            above->setBuddy(box);
        // A reader hears the entry a closed list moves to as the focus coming to it in the list,
        // and the entry chosen as the list's description when the focus comes to the list.
        connect(box, &QComboBox::currentIndexChanged, box, [box](int index) {
            if (box->hasFocus() && index >= 0) {
                QAccessibleEvent entry(box->view(), QAccessible::Focus);
                entry.setChild(index);
                QAccessible::updateAccessibility(&entry);
            }
            box->setAccessibleDescription(box->currentText());
        });
    }
    for (QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        for (QRadioButton* button : findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (!group->geometry().contains(button->geometry()))
                continue;
            const QPoint inside = button->pos() - group->pos();
            button->setParent(group);
            button->move(inside);
            button->show();
        }
    }
}

// The running dialog's controls, as its data exchange reads and sets them.

int TemplateDialog::GetComboIndex(int nIDC) const {
    const auto* box = qobject_cast<QComboBox*>(m_controls.value(nIDC));
    return box != nullptr ? box->currentIndex() : -1;
}

// A position outside the list selects nothing.
void TemplateDialog::SetComboIndex(int nIDC, int nIndex) {
    if (auto* box = qobject_cast<QComboBox*>(m_controls.value(nIDC)))
        box->setCurrentIndex(nIndex);
}

// The exchange names a radio group by the button it counts from; each button's id in its group
// is its position there.
int TemplateDialog::GetRadioIndex(int nIDC) const {
    auto* first = qobject_cast<QRadioButton*>(m_controls.value(nIDC));
    const int from = first != nullptr ? first->group()->id(first) : 0;
    const int checked = first != nullptr ? first->group()->checkedId() : -1;
    return checked >= from ? checked - from : -1;
}

void TemplateDialog::SetRadioIndex(int nIDC, int nIndex) {
    auto* first = qobject_cast<QRadioButton*>(m_controls.value(nIDC));
    QButtonGroup* group = first != nullptr && nIndex >= 0 ? first->group() : nullptr;
    if (QAbstractButton* button = group ? group->button(group->id(first) + nIndex) : nullptr)
        button->setChecked(true);
}

void TemplateDialog::EndDialog(int nResult) {
    m_result = nResult;
    done(nResult);
}

void TemplateDialog::reject() { m_dialog.OnCommand(IDCANCEL); }
