// Windows and views as the game sees them: a window asks its host for repaints, message boxes
// and dialogs; a view paints itself, takes clicks, keys and commands, and tells assistive
// technology what its picture shows.
// A front end provides the host, one native window per view, which
// - carries out InvalidateRect by repainting later, and MessageBox and RunModal as modal runs
//   that return the closing button (dialogs: see Dialog.h);
// - calls OnDraw with a CDC (Drawing.h) for every paint, OnLButtonDown with the view's client
//   pixel for a left click (a double click is a second click), OnKeyDown with a key's VK_ code,
//   OnSetFocus, OnKillFocus and OnMouseDown as they happen;
// - offers GetAccessibleChildren to the desktop's assistive technology as the window's parts,
//   tells it what changed after each event, and calls OnAccessibleAction when it presses one.
#pragma once

#include "Commands.h"
#include "Drawing.h"

#include <string>
#include <vector>

// The message box type with one OK button.
constexpr UINT MB_OK = 0x0000;

// Mouse key-state flags passed with a click.
constexpr UINT MK_LBUTTON = 0x0001;

class CDialog;

class IWndHost {
public:
    virtual ~IWndHost() = default;

    // Schedules a repaint of the rectangle, or of the whole window when rect is null.
    virtual void InvalidateRect(const CRect* rect, bool bErase) = 0;
    virtual int MessageBox(const std::string& text, const std::string& caption, UINT nType) = 0;
    virtual int RunModal(CDialog& dialog) = 0;
    // By default a failed check reports where it failed and stops the program.
    virtual void AssertFailed(const char* expr, const char* file, int line);

    // The host of a window without one: it shows nothing, and answers OK and IDCANCEL.
    static IWndHost& None();
};

class CWnd {
public:
    virtual ~CWnd() = default;

    void SetHost(IWndHost* pHost) { m_pHost = pHost != nullptr ? pHost : &IWndHost::None(); }
    IWndHost* Host() const { return m_pHost; }

    void Invalidate(bool bErase = true) { m_pHost->InvalidateRect(nullptr, bErase); }
    void InvalidateRect(const CRect* lpRect, bool bErase = true) {
        m_pHost->InvalidateRect(lpRect, bErase);
    }
    int MessageBox(const char* lpszText, const char* lpszCaption = nullptr, UINT nType = MB_OK) {
        return m_pHost->MessageBox(lpszText, lpszCaption != nullptr ? lpszCaption : "", nType);
    }

private:
    IWndHost* m_pHost = &IWndHost::None();
};

// Checks one of a window's invariants, inside its member functions.
#define ZASSERT(expr)                                                                              \
    do {                                                                                           \
        if (!(expr))                                                                               \
            Host()->AssertFailed(#expr, __FILE__, __LINE__);                                       \
    } while (false)

// One part of a view's picture as assistive technology reads it.
struct CAccessibleChild {
    enum Kind { kText, kItem };

    int nKey = 0; // the same part keeps the same key while it is shown
    Kind kind = kText;
    std::string name;        // what is read aloud, UTF-8
    std::string description; // read after the name: the news of the last change, on the focus
    bool bAvailable = true;  // false: an item no longer on the board
    bool bFocused = false;   // the item under the keyboard cursor
    CRect rect;              // where it is drawn; a text gives its top-left corner only
};

class CView : public CWnd, public CCmdTarget {
public:
    // Paints the whole picture; the platform clips it to the area being repainted.
    virtual void OnDraw(CDC* pDC) = 0;
    // The default handling of the left button: nothing beyond what the platform does itself.
    virtual void OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) {}
    virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) = 0;
    virtual void OnSetFocus() = 0;
    virtual void OnKillFocus() = 0;
    // A mouse button pressed on the view, before the click itself is handled.
    virtual void OnMouseDown() = 0;

    // What assistive technology reads of the view itself, and the parts of its picture in
    // reading order; pressing the part with a key carries out its default action.
    virtual std::string GetAccessibleName() const = 0;
    virtual std::string GetAccessibleDescription() const = 0;
    virtual std::vector<CAccessibleChild> GetAccessibleChildren() const = 0;
    virtual void OnAccessibleAction(int nKey) = 0;
};
