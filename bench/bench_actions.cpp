// The cost of the player's actions on the real main window, offscreen: CPU time and repainted
// area for each click on an item and for each Play, repaint included, over many games.
#include "support/RunningApp.h"

#include <QPaintEvent>

#include <cstdio>
#include <ctime>
#include <random>

namespace {

// Adds up the area that each paint event covers, on the board and on the rest of the window.
class PaintMeter final : public QObject {
public:
    explicit PaintMeter(QWidget* pBoard) : m_board(pBoard) { qApp->installEventFilter(this); }
    ~PaintMeter() override { qApp->removeEventFilter(this); }
    PaintMeter(const PaintMeter&) = delete;
    PaintMeter& operator=(const PaintMeter&) = delete;

    long long board = 0;
    long long others = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            long long area = 0;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                area += static_cast<long long>(r.width()) * r.height();
            (watched == m_board ? board : others) += area;
        }
        return false;
    }

private:
    QWidget* m_board;
};

double CpuMicroseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

struct Cost {
    long long count = 0;
    double cpu = 0;
    long long board = 0;
    long long others = 0;

    void Print(const char* name) const {
        const auto n = static_cast<double>(count);
        std::printf("%-8s %8lld %14.1f %16.0f %16.0f\n", name, count, cpu / n,
                    static_cast<double>(board) / n, static_cast<double>(others) / n);
    }
};

// Runs the action and the repaints that it asks for, and adds what they cost.
template <typename Action> void Measure(Cost* cost, PaintMeter& meter, Action action) {
    QApplication::processEvents();
    const long long board = meter.board;
    const long long others = meter.others;
    const double start = CpuMicroseconds();
    action();
    QApplication::processEvents();
    cost->cpu += CpuMicroseconds() - start;
    cost->board += meter.board - board;
    cost->others += meter.others - others;
    ++cost->count;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    RunningApp app;
    if (!app.Start())
        return 1;
    ModalHand hand;
    hand.okBoxes = true; // the verdicts
    std::mt19937 rng(1);
    app.runtime.generator = [&rng] { return static_cast<int>(rng() % 32768); };
    PaintMeter meter(app.frame->ViewWindow());

    Cost clicks;
    Cost plays;
    for (int game = 0; game < games; ++game) {
        app.Action(ID_GAME_START)->trigger();
        while (app.View().m_nTurn != 2) {
            const int take = 1 + static_cast<int>(rng() % 2);
            for (int n = 0; n < take && app.OnBoard() > 0; ++n) {
                int k = app.View().m_nTotal;
                while (app.View().Item(k).nTaken != 0)
                    --k;
                Measure(&clicks, meter, [&] { app.ClickItem(k); });
            }
            // The last Play shows the verdict in a box, whose cost is not the move's.
            if (app.OnBoard() <= app.View().m_nMaxTake)
                app.Action(ID_GAME_PLAY)->trigger();
            else
                Measure(&plays, meter, [&] { app.Action(ID_GAME_PLAY)->trigger(); });
        }
        app.Action(ID_GAME_NEW)->trigger();
    }

    const QSize size = app.frame->ViewWindow()->size();
    std::printf("%d games; board %dx%d = %d px; means per action\n", games, size.width(),
                size.height(), size.width() * size.height());
    std::printf("%-8s %8s %14s %16s %16s\n", "action", "count", "CPU us", "board px painted",
                "other px painted");
    clicks.Print("click");
    plays.Print("Play");
    return 0;
}
