// Plays the opening of a game in the real main window, offscreen, and saves the window as
// the picture that software centres show. Usage: zeltaro_game_screenshot OUTPUT.png
#include "app/qt/Zeltaro.h"
#include "frame/qt/MainFrm.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/ViewWidget.h"
#include "resources/resource.h"
#include "view/ZeltaroView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <cstdio>

namespace {

// Clicks item k as the player's mouse does.
void ClickItem(ViewWidget& widget, int k) {
    const CRect r = ItemRect(k);
    const QPointF centre((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget.mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

// The player takes n items, the highest-numbered still on the board first.
void Take(CMainFrame& frame, int n) {
    CZeltaroView& view = frame.View();
    for (int k = view.m_nTotal; k >= 1 && n > 0; --k) {
        if (view.Item(k).nTaken == 0) {
            ClickItem(*frame.ViewWindow(), k);
            --n;
        }
    }
}

// The default game, one whole round, and the player halfway through the next move: items gone
// from both ends of the board, both totals counting, Play and Back lit.
void PlayOpening(CMainFrame& frame) {
    frame.OnCommandIssued(ID_GAME_START);
    Take(frame, 3);
    frame.OnCommandIssued(ID_GAME_PLAY);
    Take(frame, 2);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zeltaro_game_screenshot OUTPUT.png\n");
        return 2;
    }
    QtShell shell;
    CZeltaroApp theApp(shell);
    if (!theApp.InitInstance({QStringLiteral("zeltaro")}))
        return 1;
    CMainFrame& frame = *theApp.MainFrame();
    frame.resize(frame.sizeHint());
    PlayOpening(frame);
    QApplication::processEvents();
    if (!frame.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "zeltaro_game_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
