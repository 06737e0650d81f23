// Hosting a view in a Qt widget.
#include "ViewWidget.h"

#include "QtDC.h"
#include "TemplateDialog.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

ViewWidget::ViewWidget(CView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    // The view's background is white, and repainted areas are erased to it.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
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
    if (rect == nullptr)
        update();
    else
        update(QRect(rect->left, rect->top, rect->Width(), rect->Height()));
}

int ViewWidget::MessageBox(const std::string& text, const std::string& caption, UINT /*nType*/) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
    return IDOK;
}

int ViewWidget::RunModal(CDialog& dialog) { return TemplateDialog::Run(dialog, window()); }

void ViewWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QtDC dc(painter);
    m_view.OnDraw(&dc);
}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    m_view.OnLButtonDown(MK_LBUTTON, CPoint(p.x(), p.y()));
    emit clicked();
}
