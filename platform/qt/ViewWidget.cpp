// Hosting a view in a Qt widget.
#include "ViewWidget.h"

#include "QtDC.h"
#include "TemplateDialog.h"
#include "ViewAccessible.h"

#include <QAccessible>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <utility>

ViewWidget::ViewWidget(CView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    // The view's background is white, and repainted areas are erased to it, whatever the
    // desktop's colours: removed items are painted as white discs, so on any other background
    // they would stay in sight.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    // Tab brings the keyboard to the board as well as a click does.
    setFocusPolicy(Qt::StrongFocus);
    [[maybe_unused]] static const bool accessibleInstalled =
        (QAccessible::installFactory(&ViewWidget::CreateAccessible), true);
    // The texts sit at fixed pixel positions beside each other and the board, so their size
    // must not follow the desktop's font size: a large one would run each label into its number.
    QFont textFont = font();
    textFont.setPixelSize(12);
    setFont(textFont);
    m_view.SetHost(this);
}

ViewWidget::~ViewWidget() { m_view.SetHost(nullptr); }

QSize ViewWidget::sizeHint() const { return QSize(640, 320); }

void ViewWidget::InvalidateRect(const CRect* rect, bool /*bErase*/) {
    update(rect != nullptr ? QRect(rect->left, rect->top, rect->Width(), rect->Height())
                           : this->rect());
    NotifyAccessible();
}

// A screen reader speaks the box as it opens: it also says what the view has to tell, such as
// the computer's last move before the verdict.
int ViewWidget::MessageBox(const std::string& text, const std::string& caption, UINT /*nType*/) {
    LookAgain();
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    box.setAccessibleDescription(QString::fromStdString(m_view.GetAccessibleDescription()));
    box.exec();
    return IDOK;
}

int ViewWidget::RunModal(CDialog& dialog) { return TemplateDialog::Run(dialog, *window()); }

void ViewWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A painter sets its texts the application's way; the labels go the view's, so that their
    // colons stay after them where the desktop's language reads right to left.
    painter.setLayoutDirection(layoutDirection());
    QtDC dc(painter);
    m_view.OnDraw(&dc);
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_view.OnMouseDown();
    m_view.OnLButtonDown(MK_LBUTTON, ClientPoint(*event));
    emit clicked();
}

// The second press of a double-click arrives here instead of as a press, and the view has no
// use for it: it is swallowed, so a double-click takes one item, not two.
void ViewWidget::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// On a scaled screen the pointer sits between whole pixels. The pixel it is in is the one it
// points at: rounding would carry the last device pixels of a square onto its excluded edge.
// Qt rounds the position it hands the widget, but keeps the fraction in the position within the
// window; an event sent straight to the widget carries its own position in both.
CPoint ViewWidget::ClientPoint(const QMouseEvent& event) const {
    QPointF p = event.scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    if (p.toPoint() != event.position().toPoint())
        p = event.position();
    return CPoint(qFloor(p.x()), qFloor(p.y()));
}

namespace {

// The virtual-key code of a key that plays on the board, 0 for any other; no modifier may be
// held, so that Ctrl+P and its kind stay the menu's.
UINT BoardKey(const QKeyEvent* event) {
    static const std::pair<int, UINT> kKeys[] = {
        {Qt::Key_Left, VK_LEFT},    {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Up, VK_UP},
        {Qt::Key_Down, VK_DOWN},    {Qt::Key_Space, VK_SPACE}, {Qt::Key_Return, VK_RETURN},
        {Qt::Key_Enter, VK_RETURN}, {Qt::Key_F5, VK_F5}};
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return 0;
    for (const auto& [key, vk] : kKeys) {
        if (event->key() == key)
            return vk;
    }
    return 0;
}

} // namespace

void ViewWidget::keyPressEvent(QKeyEvent* event) {
    const UINT key = BoardKey(event);
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const bool bTakes = key == VK_SPACE || key == VK_RETURN;
    // Each press takes once, as each click does: a held Space does not run into the limit.
    if (bTakes && event->isAutoRepeat())
        return;
    m_view.OnKeyDown(key, 1, 0);
    NotifyAccessible(key == VK_F5);
    if (bTakes)
        emit clicked();
}

// The picture is the same in an active and an inactive window: the focus shows in the keyboard's
// cursor alone. Qt would repaint the whole view on each (de)activation where the desktop gives
// inactive windows colours of their own; the view has no child widgets to pass the news to.
bool ViewWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        return true;
    return QWidget::event(event);
}

// The view repaints the keyboard cursor's square, where the focus shows, when the cursor is
// drawn; Qt's own handling would repaint the whole view. A screen reader's look comes later,
// after Qt has told the focus coming to the widget itself, and moves it on to the cursor's item.
void ViewWidget::focusInEvent(QFocusEvent* /*event*/) {
    m_view.OnSetFocus();
    NotifyAccessible();
}

void ViewWidget::focusOutEvent(QFocusEvent* /*event*/) {
    m_view.OnKillFocus();
    NotifyAccessible();
}

QAccessibleInterface* ViewWidget::CreateAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<ViewWidget*>(object);
    if (widget == nullptr || className != QLatin1String(staticMetaObject.className()))
        return nullptr;
    // A part pressed by assistive technology is a click that reached the view.
    widget->m_pAccessible = new ViewAccessible(widget, widget->m_view, [widget](int nKey) {
        widget->m_view.OnAccessibleAction(nKey);
        widget->NotifyAccessible();
        emit widget->clicked();
    });
    return widget->m_pAccessible;
}

void ViewWidget::NotifyAccessible(bool bRetell) {
    if (m_pAccessible == nullptr)
        return;
    m_bRetell = m_bRetell || bRetell;
    if (!m_bLookPending)
        QMetaObject::invokeMethod(this, "LookAgain", Qt::QueuedConnection);
    m_bLookPending = true;
}

void ViewWidget::LookAgain() {
    m_bLookPending = false;
    if (m_pAccessible != nullptr)
        m_pAccessible->Refresh(std::exchange(m_bRetell, false));
}
