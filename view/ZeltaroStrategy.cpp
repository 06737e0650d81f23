// The computer's rules of play: Start's classification and opening move, Play's answers by
// game mode, the carrying out of each take with the marking step, and the reply table. Start
// and Play call in here once and get the board back with the computer's move made.
#include "ZeltaroView.h"

// ---------------------------------------------------------------------------------------------
// Start

// The computer's side of Start: where the player moves first and holds the winning line, the
// computer begins by expecting takes; where the computer moves first, its opening move.
void CZeltaroView::ComputerOpening() {
    if (m_nMode == kModeFirstPlayerWins) {
        m_bFirstReply = true;
        m_bRandomPhase = true;
    } else if (m_nMode == kModeSecondComputerWins) {
        LeaveLosingCount(m_nComputerTake);
        OpeningTake();
    } else if (m_nMode == kModeSecondPlayerWins) {
        RandomTake();
        m_nComputerAsked = m_nComputerTake;
        OpeningTake();
        m_bRandomPhase = true;
    }
}

// The side to move cannot force a win exactly when N leaves 1 modulo the period.
void CZeltaroView::Classify() {
    if (m_nMaxTake % 2 == 0) {
        m_nResidue = m_nTotal % (m_nMaxTake + 2);
        if (m_nResidue == 1) {
            m_nStartClass = kStartEvenLosing;
            m_nClass = kClassEvenA;
        } else {
            m_nStartClass = kStartEven;
        }
    } else {
        m_nResidue = m_nTotal % (2 * m_nMaxTake + 2);
        if (m_nResidue == 1) {
            m_nStartClass = kStartOddLosing;
            m_nClass = kClassOddA;
        } else {
            m_nStartClass = m_nResidue <= m_nMaxTake ? kStartOddLow : kStartOddHigh;
        }
    }
}

// The take that leaves the other side a count it cannot win from, and the class that holds
// after it; start classes from which the side to move loses change nothing.
void CZeltaroView::LeaveLosingCount(int& nTake) {
    switch (m_nStartClass) {
    case kStartEven:
        nTake = m_nResidue - 1;
        m_nClass = kClassEvenA;
        break;
    case kStartOddLow:
        nTake = m_nResidue - 1;
        m_nClass = kClassOddA;
        break;
    case kStartOddHigh:
        nTake = m_nResidue - (m_nMaxTake + 1);
        m_nClass = kClassOddB;
        break;
    default:
        break;
    }
}

// Play waits for the player's first click.
void CZeltaroView::OpeningTake() {
    m_nRemaining -= m_nComputerTake;
    m_bEnablePlay = false;
    MarkComputerTake();
    m_nTurn = kPlayerTurn;
}

// ---------------------------------------------------------------------------------------------
// Play

void CZeltaroView::ComputerMove() {
    switch (m_nMode) {
    case kModeFirstPlayerWins:
        if (m_bFirstReply)
            FirstAnswer();
        else if (m_bRandomPhase)
            RandomPhaseAnswer();
        else
            NormalAnswer();
        m_nGoal = Query(m_nComputerAsked);
        break;
    case kModeFirstComputerWins:
    case kModeSecondComputerWins:
        m_nComputerTake = Query(m_nSelected);
        CarryOutTake(false);
        break;
    case kModeSecondPlayerWins:
        m_nGoal = Query(m_nComputerAsked);
        if (!m_bRandomPhase)
            NormalAnswer();
        else
            RandomPhaseAnswer();
        break;
    default:
        break;
    }
}

// The first reply when the player moves first: the computer learns the take the player needs,
// and answers a shortfall by restoring the winning count itself.
void CZeltaroView::FirstAnswer() {
    LeaveLosingCount(m_nGoal);
    m_bFirstReply = false;

    const int sel = m_nSelected;
    if (sel > m_nGoal) {
        m_nComputerTake = Query(sel - m_nGoal);
        CarryOutTake(true);
    } else if (sel < m_nGoal) {
        const int d = m_nGoal - sel;
        if (m_nClass == kClassOddB)
            m_nComputerTake = d % 2 == 0 ? d - 1 : d;
        else if (d % 2 != 0)
            m_nComputerTake = d == 1 ? 2 : d - 1;
        else
            m_nComputerTake = d;
        CarryOutTake(true);
    } else {
        RandomTake();
        CarryOutTake(false);
    }
}

void CZeltaroView::RandomPhaseAnswer() {
    const int sel = m_nSelected;
    if (sel == m_nGoal) {
        RandomTake();
        CarryOutTake(false);
        return;
    }
    if (Left() <= m_nMaxTake)
        EndgameTake();
    else if (sel < m_nGoal)
        m_nComputerTake = m_nGoal - sel;
    else
        m_nComputerTake = Query(sel - m_nGoal);
    CarryOutTake(true);
}

void CZeltaroView::NormalAnswer() {
    if (Left() <= m_nMaxTake)
        EndgameTake();
    else
        m_nComputerTake = Query(m_nSelected);
    CarryOutTake(false);
}

// Clears the board when that leaves the computer's holding even, else leaves one item.
void CZeltaroView::EndgameTake() {
    m_nComputerTake = Left();
    if ((m_nComputerHeld + m_nComputerTake) % 2 != 0 && m_nComputerTake > 1)
        --m_nComputerTake;
}

// Re-seeded from the clock before its single draw, so two takes in one second are equal.
void CZeltaroView::RandomTake() {
    m_pRuntime->srand(static_cast<unsigned int>(m_pRuntime->time()));
    m_nComputerTake = m_pRuntime->rand() % m_nMaxTake + 1;
}

// ---------------------------------------------------------------------------------------------
// Carrying out a take

void CZeltaroView::CarryOutTake(bool bEndRandomPhase) {
    m_nRemaining = m_nRemaining - m_nSelected - m_nComputerTake;
    m_nTurn = kComputerTurn;
    if (bEndRandomPhase)
        m_bRandomPhase = false;
    MarkComputerTake();
}

void CZeltaroView::MarkComputerTake() {
    if (m_nTurn == kComputerTurn) {
        m_nComputerAsked = m_nComputerTake;
        // The walk runs to the end, also once the take is used up.
        for (int k = 1; k <= m_nTotal; ++k) {
            m_rectItem = ItemRect(k);
            GameItem& item = Item(k);
            if (item.nTaken == 0 && m_nComputerTake > 0) {
                TakeOffBoard(item);
                --m_nComputerTake;
                InvalidateRect(&m_rectItem, true);
            }
        }
        // Credit only what was actually taken off; the rest of the take stays unmarked.
        if (m_nComputerTake <= 0)
            m_nComputerHeld += m_nComputerAsked;
        else
            m_nComputerHeld += m_nComputerAsked - m_nComputerTake;
    }
    InvalidateRect(&m_rectScore, true);
}

// ---------------------------------------------------------------------------------------------
// The reply table

namespace {

// One rule of the reply table: in its class it covers the amounts x of lo's parity from lo up
// to hi, and replies sum - x, so that x and the reply always add up to sum. Where bOfM is set,
// hi and sum are counted from M (hi -1 is M - 1).
struct ReplyTableRule {
    int nClass;
    int lo;
    int hi;
    int sum;
    int nNextClass;
    bool bOfM;
};

constexpr ReplyTableRule kReplyTable[] = {
    {CZeltaroView::kClassOddA, 1, 0, 1, CZeltaroView::kClassOddA, true},
    {CZeltaroView::kClassOddA, 2, -1, 2, CZeltaroView::kClassOddB, true},
    {CZeltaroView::kClassOddB, 1, 0, 1, CZeltaroView::kClassOddB, true},
    {CZeltaroView::kClassOddB, 2, -1, 0, CZeltaroView::kClassOddA, true},
    {CZeltaroView::kClassEvenA, 1, 1, 2, CZeltaroView::kClassEvenB, false},
    {CZeltaroView::kClassEvenA, 3, -1, 3, CZeltaroView::kClassEvenC, true},
    {CZeltaroView::kClassEvenA, 2, 0, 2, CZeltaroView::kClassEvenA, true},
    {CZeltaroView::kClassEvenB, 1, -1, 0, CZeltaroView::kClassEvenA, true},
    {CZeltaroView::kClassEvenB, 2, 0, 1, CZeltaroView::kClassEvenC, true},
    {CZeltaroView::kClassEvenC, 1, -1, 1, CZeltaroView::kClassEvenA, true},
    {CZeltaroView::kClassEvenC, 2, 0, 2, CZeltaroView::kClassEvenC, true},
};

} // namespace

// The ranges of one class's rules are disjoint, so at most one rule covers x.
std::optional<CZeltaroView::Reply> CZeltaroView::ReplyRule(int nClass, int x, int nMaxTake) {
    for (const ReplyTableRule& rule : kReplyTable) {
        const int base = rule.bOfM ? nMaxTake : 0;
        if (rule.nClass == nClass && (x - rule.lo) % 2 == 0 && x >= rule.lo && x <= base + rule.hi)
            return Reply{base + rule.sum - x, rule.nNextClass};
    }
    return std::nullopt;
}

// Where no rule covers the inputs, both outputs keep what the last query that matched left.
void CZeltaroView::QueryReply() {
    if (const auto reply = ReplyRule(m_nQueryClass, m_nQueryTaken, m_nMaxTake)) {
        m_nQueryReply = reply->nTake;
        m_nQueryNextClass = reply->nNextClass;
    }
}

// The callers' side of the table: the class always advances to the class after, and the
// reply is handed back, also when no rule matched and both are the last query's.
int CZeltaroView::Query(int x) {
    m_nQueryClass = m_nClass;
    m_nQueryTaken = x;
    QueryReply();
    m_nClass = m_nQueryNextClass;
    return m_nQueryReply;
}
