// The widget that shows a view: it forwards paints, left clicks, keys and the focus to it,
// carries out the view's repaint requests, message boxes and dialogs, and lets screen readers
// read it.
#pragma once

#include "platform/Window.h"

#include <QWidget>

#include <functional>

class ViewAccessible;

class ViewWidget : public QWidget, public IWndHost {
    Q_OBJECT

public:
    explicit ViewWidget(CView& view, QWidget* parent = nullptr);
    ~ViewWidget() override;

    void InvalidateRect(const CRect* rect, bool bErase) override;
    int MessageBox(const std::string& text, const std::string& caption, UINT nType) override;
    // Dialogs open over the window that holds the view.
    int RunModal(CDialog& dialog) override;

    QSize sizeHint() const override;

    // The parts of the picture that assistive technology reads, and the default action of one,
    // asked for by it.
    std::vector<CAccessibleChild> AccessibleChildren() const;
    void PressAccessible(int nKey);
    // The interface that assistive technology reads the view through, once one asked for it;
    // until then nobody listens, and changes are not looked for.
    void AttachAccessible(ViewAccessible* pAccessible) { m_pAccessible = pAccessible; }

signals:
    // After every click that reached the view, from the mouse, a key or a screen reader: the
    // commands' states may have changed.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The view's client pixel under a pointer position.
    CPoint ClientPoint(const QMouseEvent& event) const;
    // Tells a screen reader, if one listens, what the last change did to the picture.
    void NotifyAccessible();

    CView& m_view;
    ViewAccessible* m_pAccessible = nullptr; // owned by Qt's cache of interfaces
};
