// Building a dialog's window and controls from its template, and serving their values to the
// dialog's data exchange while it runs.
#include "TemplateDialog.h"

#include "platform/Dialog.h"

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

bool HasStyle(const DialogControl& control, UINT style) { return (control.style & style) != 0; }

// Where a template's position is counted from: the top left of the owner's client area, which
// begins below its menu bar.
QPoint ClientOrigin(const QWidget* pOwner) {
    const auto* window = qobject_cast<const QMainWindow*>(pOwner);
    const QWidget* menu = window != nullptr ? window->menuWidget() : nullptr;
    const int top = menu != nullptr && menu->isVisible() ? menu->geometry().bottom() + 1 : 0;
    return pOwner->mapToGlobal(QPoint(0, top));
}

// The windowing system restores what a closed dialog covered from the owner's last picture,
// which shows the game as it was before the dialog. Each widget of the owner window is painted
// there afresh instead, once the dialog's caller has applied its choices and the program is idle
// again; the rest of the window stays as it is until its next repaint. (Asking the window alone
// would not reach the view, which paints all of its own area.)
void RepaintWhereItLay(QWidget* pOwner, const QRect& frame) {
    if (pOwner == nullptr)
        return;
    QList<QWidget*> widgets = pOwner->findChildren<QWidget*>();
    widgets.prepend(pOwner);
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
    MeasureBaseUnits();
    ApplyWindowStyle(tmpl);

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
        if (HasStyle(control, WS_GROUP))
            m_pOpenGroup = nullptr;
        QWidget* widget = CreateControl(control, icon);
        if (control.name != nullptr)
            widget->setObjectName(QString::fromUtf8(control.name));
        if (HasStyle(control, WS_TABSTOP))
            m_tabStops.push_back(widget);
        else if (widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::ClickFocus);
    }
    LinkForReaders();
    ChainTabStops();
    FillLists(tmpl);
}

TemplateDialog::~TemplateDialog() = default;

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
            window.FocusFirstTabStop();
        window.exec();
        RepaintWhereItLay(pOwner, window.frameGeometry());
    }
    dialog.AttachSite(nullptr);
    return window.Ended() ? window.Result() : IDCANCEL;
}

QRect TemplateDialog::ToPixels(int x, int y, int cx, int cy) const {
    return QRect(MulDiv(x, m_cxChar, 4), MulDiv(y, m_cyChar, 8), MulDiv(cx, m_cxChar, 4),
                 MulDiv(cy, m_cyChar, 8));
}

void TemplateDialog::FocusFirstTabStop() {
    for (QWidget* widget : m_tabStops) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The window and its controls

void TemplateDialog::ApplyWindowStyle(const DialogTemplate& tmpl) {
    Qt::WindowFlags flags = Qt::Dialog;
    if ((tmpl.style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    } else {
        // A caption with nothing on it; Escape still cancels.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    }
    setWindowFlags(flags);
    setSizeGripEnabled(false);
}

void TemplateDialog::MeasureBaseUnits() {
    const QFontMetrics fm(font());
    m_cxChar = (fm.horizontalAdvance(QString::fromLatin1(kAlphabet)) / 26 + 1) / 2;
    m_cyChar = fm.height();
}

QWidget* TemplateDialog::CreateControl(const DialogControl& control, const QIcon& icon) {
    const QString text = QString::fromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        const int nID = control.nID;
        connect(button, &QPushButton::clicked, this, [this, nID] { OnButtonClicked(nID); });
        widget = button;
        break;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::GroupBox:
        widget = new QGroupBox(text, this);
        widget->setFocusPolicy(Qt::NoFocus);
        break;
    case ControlKind::ComboBox:
        return CreateComboBox(control);
    case ControlKind::RadioButton:
        return CreateRadioButton(control);
    case ControlKind::Icon:
        return CreateIcon(control, icon);
    }
    PlaceControl(widget, control);
    return widget;
}

// A drop-down list: the closed box takes its natural height, the template's height is the
// dropped list's.
QWidget* TemplateDialog::CreateComboBox(const DialogControl& control) {
    auto* box = new QComboBox(this);
    box->setEditable(false);
    const QRect rect = ToPixels(control.x, control.y, control.cx, control.cy);
    box->setGeometry(rect.x(), rect.y(), rect.width(), box->sizeHint().height());
    Combo& combo = m_combos[control.nID];
    combo.box = box;
    combo.bSorted = HasStyle(control, CBS_SORT);
    combo.nListHeight = rect.height() - box->height();
    return box;
}

QWidget* TemplateDialog::CreateRadioButton(const DialogControl& control) {
    auto* button = new QRadioButton(QString::fromUtf8(control.text), this);
    PlaceControl(button, control);
    if (m_pOpenGroup == nullptr)
        m_pOpenGroup = new QButtonGroup(this); // exclusive
    m_pOpenGroup->addButton(button);
    m_radios[control.nID] = button;
    return button;
}

QWidget* TemplateDialog::CreateIcon(const DialogControl& control, const QIcon& icon) {
    auto* label = new QLabel(this);
    if (!icon.isNull())
        label->setPixmap(icon.pixmap(kIconSize, kIconSize));
    const QRect rect = ToPixels(control.x, control.y, 0, 0);
    label->setGeometry(rect.x(), rect.y(), kIconSize, kIconSize);
    return label;
}

void TemplateDialog::PlaceControl(QWidget* widget, const DialogControl& control) {
    widget->setGeometry(ToPixels(control.x, control.y, control.cx, control.cy));
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

void TemplateDialog::ChainTabStops() {
    for (std::size_t i = 1; i < m_tabStops.size(); ++i)
        QWidget::setTabOrder(m_tabStops[i - 1], m_tabStops[i]);
}

// ---------------------------------------------------------------------------------------------
// The lists' initial contents

void TemplateDialog::FillLists(const DialogTemplate& tmpl) {
    for (const DialogInitRecord& record : tmpl.initData) {
        auto it = m_combos.find(record.nIDC);
        if (record.message != CB_ADDSTRING || it == m_combos.end())
            continue;
        AddString(it->second, QString::fromUtf8(record.text));
    }
    for (auto& [nID, combo] : m_combos) {
        // No selection until the dialog's data exchange sets one.
        combo.box->setCurrentIndex(-1);
        FitDropDown(combo);
    }
}

// A sorted list places each string after those that do not sort after it, ignoring case.
void TemplateDialog::AddString(Combo& combo, const QString& text) {
    int position = combo.box->count();
    if (combo.bSorted) {
        position = 0;
        while (position < combo.box->count() &&
               QString::compare(combo.box->itemText(position), text, Qt::CaseInsensitive) <= 0)
            ++position;
    }
    combo.box->insertItem(position, text);
}

void TemplateDialog::FitDropDown(const Combo& combo) {
    int itemHeight = combo.box->view()->sizeHintForRow(0);
    if (itemHeight <= 0)
        itemHeight = combo.box->fontMetrics().height();
    combo.box->setMaxVisibleItems(std::max(1, combo.nListHeight / itemHeight));
}

// ---------------------------------------------------------------------------------------------
// The running dialog's controls

int TemplateDialog::GetComboIndex(int nIDC) const {
    auto it = m_combos.find(nIDC);
    return it == m_combos.end() ? -1 : it->second.box->currentIndex();
}

void TemplateDialog::SetComboIndex(int nIDC, int nIndex) {
    auto it = m_combos.find(nIDC);
    if (it == m_combos.end())
        return;
    QComboBox* box = it->second.box;
    box->setCurrentIndex(nIndex >= 0 && nIndex < box->count() ? nIndex : -1);
}

// The exchange names a group by the button it counts from.
QList<QAbstractButton*> TemplateDialog::RadioRun(int nIDC) const {
    auto it = m_radios.find(nIDC);
    if (it == m_radios.end())
        return {};
    const QList<QAbstractButton*> buttons = it->second->group()->buttons();
    return buttons.mid(buttons.indexOf(it->second));
}

int TemplateDialog::GetRadioIndex(int nIDC) const {
    const QList<QAbstractButton*> run = RadioRun(nIDC);
    for (int i = 0; i < run.size(); ++i) {
        if (run[i]->isChecked())
            return i;
    }
    return -1;
}

void TemplateDialog::SetRadioIndex(int nIDC, int nIndex) {
    const QList<QAbstractButton*> run = RadioRun(nIDC);
    if (nIndex >= 0 && nIndex < run.size()) {
        run[nIndex]->setChecked(true);
    } else if (!run.isEmpty()) {
        // An index outside the group leaves no button checked, which an exclusive group refuses.
        QButtonGroup* group = run.front()->group();
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons())
            button->setChecked(false);
        group->setExclusive(true);
    }
}

void TemplateDialog::EndDialog(int nResult) {
    m_bEnded = true;
    m_nResult = nResult;
    done(nResult);
}

void TemplateDialog::reject() { m_dialog.OnCommand(IDCANCEL); }

void TemplateDialog::OnButtonClicked(int nID) {
    if (nID != IDC_STATIC)
        m_dialog.OnCommand(static_cast<UINT>(nID));
}
