// The widget that shows a view: it forwards paints and left clicks to it, and carries out the
// view's repaint requests, message boxes and dialogs.
#pragma once

#include "platform/View.h"

#include <QWidget>

#include <functional>

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

signals:
    // After every click that reached the view: the commands' states may have changed.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CView& m_view;
};
