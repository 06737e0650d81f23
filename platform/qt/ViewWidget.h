// The widget that shows a view: it forwards paints, left clicks, keys and the focus to it,
// carries out the view's repaint requests, message boxes and dialogs, and lets screen readers
// read it.
#pragma once

#include "platform/Window.h"

#include <QWidget>

class QAccessibleInterface;
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

    // The factory that Qt asks for every widget's interface for assistive technology.
    static QAccessibleInterface* CreateAccessible(const QString& className, QObject* object);

signals:
    // After every click that reached the view, from the mouse, a key or a screen reader: the
    // commands' states may have changed.
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The view's client pixel under a pointer position.
    CPoint ClientPoint(const QMouseEvent& event) const;
    // Asks for a screen reader, if one listens, to be told what the picture's changes did, in one
    // look once the event at hand is handled, however many changes it makes; with bRetell the
    // part with the focus is read again.
    void NotifyAccessible(bool bRetell = false);
    Q_INVOKABLE void LookAgain();

    CView& m_view;
    // The interface that assistive technology reads the view through, once one asked for it;
    // until then nobody listens, and changes are not looked for. Owned by Qt's cache.
    ViewAccessible* m_pAccessible = nullptr;
    bool m_bLookPending = false;
    bool m_bRetell = false;
};
