// The game's commands: settings, Start, Play, the board's clicks and Back, New game and the
// command flags; painting; the keys and what a screen reader reads; the invariants.
#include "ZeltaroView.h"

#include "dialogs/ZeltaroDialog.h"
#include "resources/resource.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

const char kNothingTaken[] = "Не сте взели предмети!\nМоля вземете не повече от\nмаксимално "
                             "допустимия брой предмети";
const char kNothingTakenCaption[] = "ВНИМАНИЕ";
const char kOverLimit[] = "Не може да вземате повече предмети от допустимото!\nМоля натиснете "
                          "бутона ''Направи ход''";
const char kOverLimitCaption[] = " ВНИМАНИЕ";
const char kPlayerWins[] = "     Браво! Вие спечелихте";
const char kPlayerLoses[] = "Вие загубихте! Опитайте пак";
const char kVerdictCaption[] = "ZELTARO";

const char kPlayerFirst[] = "Вие влизате в играта първи";
const char kPlayerSecond[] = "Вие влизате в играта втори";
const char kMaxTakeLabel[] = "Максималният брой предмети, които може да вземете е ";
const char kPlayerHeldLabel[] = "Вие сте взели:";
const char kComputerHeldLabel[] = "Компютър:";
// Where the texts stand: two lines, the labels of the left column and of the totals' column.
constexpr int kLeftX = 10;
constexpr int kTotalsX = 460;
constexpr int kFirstLineY = 10;
constexpr int kSecondLineY = 30;

const char kBoardName[] = "Дъска";
const char kItemName[] = "Предмет ";
const char kOnBoard[] = ", на дъската";
const char kOffBoard[] = ", взет";
// The news a screen reader tells of each change.
const char kTakenNews[] = "Взет предмет ";
const char kBackNews[] = "Върнат предмет ";
const char kThisTurnNews[] = "Взети ";
const char kOfNews[] = " от ";
const char kComputerTookNews[] = "Компютърът взе ";
const char kLeftNews[] = "Остават ";
const char kNewGameNews[] = "Нова игра.";

// The keys by which a screen reader tells the parts of the picture apart.
constexpr int kFirstMoveKey = 1;
constexpr int kMaxTakeKey = 2;
constexpr int kPlayerHeldKey = 3;
constexpr int kComputerHeldKey = 4;
constexpr int kFirstItemKey = 100; // item k is kFirstItemKey + k

const CommandEntry<CZeltaroView> kCommandMap[] = {
    {ID_GAME_SETTINGS, &CZeltaroView::OnGeneralSettings, &CZeltaroView::OnUpdateGeneralSettings},
    {ID_GAME_START, &CZeltaroView::OnStart, &CZeltaroView::OnUpdateStart},
    {ID_GAME_PLAY, &CZeltaroView::OnPlay, &CZeltaroView::OnUpdatePlay},
    {ID_EDIT_UNDO, &CZeltaroView::OnEditUndo, &CZeltaroView::OnUpdateEditUndo},
    {ID_GAME_NEW, &CZeltaroView::OnNewGame, &CZeltaroView::OnUpdateNewGame},
    {ID_FILE_NEW, &CZeltaroView::OnFileNew, nullptr},
};

} // namespace

CZeltaroView::CZeltaroView() {
    for (GameItem& item : m_items)
        item = GameItem{0, GRAY_BRUSH};
}

// ---------------------------------------------------------------------------------------------
// Command routing

bool CZeltaroView::OnCommand(UINT nID) { return DispatchCommand(*this, kCommandMap, nID); }

bool CZeltaroView::OnUpdateCommand(CCmdUI* pCmdUI) {
    return DispatchUpdate(*this, kCommandMap, pCmdUI);
}

void CZeltaroView::OnUpdateGeneralSettings(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableSettings); }
void CZeltaroView::OnUpdateStart(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableStart); }
void CZeltaroView::OnUpdatePlay(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnablePlay); }
void CZeltaroView::OnUpdateEditUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableUndo); }
void CZeltaroView::OnUpdateNewGame(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableNew); }

// Nothing in the window issues File New, and start-up asks the application itself: the entry
// only keeps such a command, should one come, from reaching the application mid-game.
void CZeltaroView::OnFileNew() {}

// ---------------------------------------------------------------------------------------------
// Settings

void CZeltaroView::OnGeneralSettings() {
    CZeltaroDialog dlg;
    dlg.SetHost(Host()); // no parent: the view's host opens it over the main window
    if (dlg.DoModal() == IDOK) {
        m_nTotal = 2 * dlg.m_nTotalIndex + 21;
        m_nMaxTake = dlg.m_nMaxTakeIndex + 2;
        m_nOrder = dlg.m_nOrderIndex;
        m_bSettingsChosen = true;
    }
    // A dialog closed any other way, Cancel included, sets the defaults.
    if (!m_bSettingsChosen) {
        SetDefaults();
        m_bSettingsChosen = true;
    }
    m_nTurn = kNoGame;
    m_bEnableSettings = false;
    m_bEnableStart = true;
}

// ---------------------------------------------------------------------------------------------
// Start

void CZeltaroView::OnStart() {
    m_bStarted = true;
    for (GameItem& item : m_items)
        PutOnBoard(item);
    ApplyDefaults();
    m_nRemaining = m_nTotal;
    Classify();
    m_bResidueOne = m_nResidue == 1 ? 1 : 0;
    m_nMode = m_bResidueOne + 1 + 2 * m_nOrder;

    m_bEnableStart = false;
    m_bEnableSettings = false;
    m_bEnablePlay = true;
    m_bEnableNew = true;
    m_bEnableUndo = true;
    m_nTurn = m_nOrder; // first: the player's turn; second: the computer's, for its opening
    ComputerOpening();
    m_cursor.BeginTurn(*this, CursorBoard());
    m_sNews = StartNews();
    Invalidate(true);
}

// Only a game started before the settings dialog was ever closed, and before any New game,
// is given the defaults; later games keep whatever N, M and order were last in force.
void CZeltaroView::ApplyDefaults() {
    if (m_bEnableSettings && !m_bRestarted)
        SetDefaults();
}

void CZeltaroView::SetDefaults() {
    m_nTotal = kDefaultTotal;
    m_nMaxTake = kDefaultMaxTake;
    m_nOrder = kDefaultOrder;
}

// ---------------------------------------------------------------------------------------------
// Play

void CZeltaroView::OnPlay() {
    if (m_nSelected == 0 && m_nTurn == kPlayerTurn) {
        MessageBox(kNothingTaken, kNothingTakenCaption, MB_OK);
    } else {
        const int nComputerHeld = m_nComputerHeld;
        ComputerMove();
        m_nPlayerHeld += m_nSelected;
        m_nSelected = 0;
        m_sNews = PlayNews(m_nComputerHeld - nComputerHeld);
        m_cursor.BeginTurn(*this, CursorBoard());
        if (m_nRemaining > 0)
            m_nTurn = kPlayerTurn;
        else
            GameOver();
    }
    InvalidateRect(&m_rectScore, true);
}

// N is odd and every item is held by one side, so the player's parity decides alone.
void CZeltaroView::GameOver() {
    if (m_nPlayerHeld % 2 == 0)
        MessageBox(kPlayerWins, kVerdictCaption, MB_OK);
    else
        MessageBox(kPlayerLoses, kVerdictCaption, MB_OK);
    m_bEnableSettings = false;
    m_bEnableStart = false;
    m_bEnablePlay = false;
    m_bEnableNew = true;
    m_nTurn = kNoGame;
}

// ---------------------------------------------------------------------------------------------
// The player's selection and Back

void CZeltaroView::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_nTurn == kPlayerTurn) {
        if (m_nSelected < m_nMaxTake) {
            for (int k = 1; k <= m_nTotal; ++k) {
                m_rectItem = ItemRect(k);
                GameItem& item = Item(k);
                if (m_rectItem.PtInRect(point) && item.nTaken == 0) {
                    TakeOffBoard(item);
                    ++m_nSelected;
                    m_sNews = TakeNews(k);
                    InvalidateRect(&m_rectItem, true);
                }
            }
            // Any click of the player's turn offers Play, also one that missed.
            m_bEnablePlay = true;
        } else {
            MessageBox(kOverLimit, kOverLimitCaption, MB_OK);
            m_nTurn = kComputerTurn;
        }
    }
    CView::OnLButtonDown(nFlags, point);
}

// Puts back the lowest-numbered item off the board, whoever took it: the counts stay right
// because the board gains one item as the selection loses one.
void CZeltaroView::OnEditUndo() {
    if (m_nTurn != kPlayerTurn || m_nSelected <= 0)
        return;
    for (int k = 1; k <= m_nTotal; ++k) {
        m_rectItem = ItemRect(k);
        GameItem& item = Item(k);
        if (item.nTaken == 1) {
            PutOnBoard(item);
            --m_nSelected;
            m_sNews = kBackNews + std::to_string(k) + ". " + TakeNews(0);
            InvalidateRect(&m_rectItem, true);
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// New game

void CZeltaroView::OnNewGame() {
    m_bEnableSettings = true;
    m_bEnableStart = true;
    m_bEnablePlay = false;
    m_nSelected = 0;
    m_nComputerTake = 0;
    m_bSettingsChosen = false;
    m_nTurn = kNoGame;
    m_nComputerAsked = 0;
    m_bFirstReply = false;
    // White items: the board looks empty until Start puts them back.
    for (GameItem& item : m_items)
        item = GameItem{0, WHITE_BRUSH};
    m_bEnableNew = false;
    m_bRestarted = true;
    m_bEnableUndo = false;
    m_nComputerHeld = 0;
    m_nPlayerHeld = 0;
    m_cursor.BeginTurn(*this, CursorBoard());
    m_sNews = kNewGameNews;
    Invalidate(true);
}

// ---------------------------------------------------------------------------------------------
// Painting

void CZeltaroView::OnDraw(CDC* pDC) {
    if (m_nOrder == 0)
        pDC->TextOut(kLeftX, kFirstLineY, kPlayerFirst);
    else if (m_nOrder == 1)
        pDC->TextOut(kLeftX, kFirstLineY, kPlayerSecond);

    if (m_bStarted) {
        pDC->TextOut(kLeftX, kSecondLineY, kMaxTakeLabel);
        DrawNumber(pDC, 400, kSecondLineY, m_nMaxTake);
        pDC->TextOut(kTotalsX, kFirstLineY, kPlayerHeldLabel);
        DrawNumber(pDC, 575, kFirstLineY, m_nPlayerHeld);
        pDC->TextOut(kTotalsX, kSecondLineY, kComputerHeldLabel);
        DrawNumber(pDC, 575, kSecondLineY, m_nComputerHeld);
    }

    CPen pen(PS_SOLID, 2, RGB(255, 255, 255));
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int k = 1; k <= m_nTotal; ++k) {
        m_rectItem = ItemRect(k);
        pDC->SelectStockObject(Item(k).nBrush);
        pDC->Ellipse(m_rectItem);
    }
    pDC->SelectObject(pOldPen);
    m_cursor.Draw(pDC);
}

void CZeltaroView::DrawNumber(CDC* pDC, int x, int y, int nValue) {
    std::snprintf(m_szNumber, sizeof m_szNumber, "%d", nValue);
    pDC->TextOut(x, y, m_szNumber);
}

// ---------------------------------------------------------------------------------------------
// The keyboard and assistive technology

// F5 asks for the state again; any other key ends the news of the last change. The keys play
// only in the player's turn.
void CZeltaroView::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    m_sNews = nChar == VK_F5 ? StateNews() : std::string();
    if (m_nTurn == kPlayerTurn)
        PressItem(m_cursor.OnKeyDown(*this, CursorBoard(), nChar));
}

// Exactly a click at the centre of the item's square, whatever the square holds now.
void CZeltaroView::PressItem(int k) {
    if (k != 0)
        OnLButtonDown(MK_LBUTTON, ItemCentre(k));
}

std::string CZeltaroView::StartNews() const {
    std::string news = std::string(m_nOrder == 0 ? kPlayerFirst : kPlayerSecond) + ". " +
                       kMaxTakeLabel + std::to_string(m_nMaxTake) + ".";
    if (m_nComputerHeld > 0)
        news += " " + PlayNews(m_nComputerHeld);
    return news;
}

std::string CZeltaroView::PlayNews(int nComputerTook) const {
    return kComputerTookNews + std::to_string(nComputerTook) + ". " + StateNews();
}

// This turn's take against M, and the item taken when it is not the one the reader is on.
std::string CZeltaroView::TakeNews(int k) const {
    std::string news =
        kThisTurnNews + std::to_string(m_nSelected) + kOfNews + std::to_string(m_nMaxTake) + ".";
    return k != 0 && k != ReaderFocus() ? kTakenNews + std::to_string(k) + ". " + news : news;
}

std::string CZeltaroView::StateNews() const {
    std::string news = std::string(kPlayerHeldLabel) + " " + std::to_string(m_nPlayerHeld) + ". " +
                       kComputerHeldLabel + " " + std::to_string(m_nComputerHeld) + ". " +
                       kLeftNews + std::to_string(std::max(0, Left())) + ".";
    return m_nTurn == kPlayerTurn ? news + " " + TakeNews(0) : news;
}

// The item a screen reader is on: the cursor's, while the view has the focus and a game runs.
int CZeltaroView::ReaderFocus() const {
    return m_cursor.HasFocus() && m_nTurn != kNoGame ? m_cursor.Item() : 0;
}

std::string CZeltaroView::GetAccessibleName() const { return kBoardName; }

// The news goes with the board itself while no item has the focus, as after the last move.
std::string CZeltaroView::GetAccessibleDescription() const {
    return ReaderFocus() == 0 ? m_sNews : std::string();
}

// The texts as painted, and each item by its number: an item reads as on the board exactly
// while it is painted grey.
std::vector<CAccessibleChild> CZeltaroView::GetAccessibleChildren() const {
    std::vector<CAccessibleChild> children;
    auto text = [&](int nKey, int x, int y, std::string name) {
        children.push_back(
            {nKey, CAccessibleChild::kText, std::move(name), {}, true, false, CRect(x, y, x, y)});
    };
    if (m_nOrder == 0 || m_nOrder == 1)
        text(kFirstMoveKey, kLeftX, kFirstLineY, m_nOrder == 0 ? kPlayerFirst : kPlayerSecond);
    if (m_bStarted) {
        text(kMaxTakeKey, kLeftX, kSecondLineY, kMaxTakeLabel + std::to_string(m_nMaxTake));
        text(kPlayerHeldKey, kTotalsX, kFirstLineY,
             std::string(kPlayerHeldLabel) + " " + std::to_string(m_nPlayerHeld));
        text(kComputerHeldKey, kTotalsX, kSecondLineY,
             std::string(kComputerHeldLabel) + " " + std::to_string(m_nComputerHeld));
    }
    for (int k = 1; k <= m_nTotal; ++k) {
        const bool bOnBoard = Item(k).nBrush == GRAY_BRUSH;
        const bool bFocused = ReaderFocus() == k;
        children.push_back({kFirstItemKey + k, CAccessibleChild::kItem,
                            kItemName + std::to_string(k) + (bOnBoard ? kOnBoard : kOffBoard),
                            bFocused ? m_sNews : std::string(), bOnBoard, bFocused, ItemRect(k)});
    }
    return children;
}

// Pressing an item takes it as Space would: the cursor moves there and presses.
void CZeltaroView::OnAccessibleAction(int nKey) {
    const int k = nKey - kFirstItemKey;
    if (m_nTurn != kPlayerTurn || k < 1 || k > m_nTotal)
        return;
    m_cursor.MoveTo(*this, k);
    PressItem(k);
}

// ---------------------------------------------------------------------------------------------
// Invariants

void CZeltaroView::AssertValid() const {
    ZASSERT(m_nTurn >= kPlayerTurn && m_nTurn <= kNoGame);
    ZASSERT(m_nTotal == kUnset || (m_nTotal % 2 != 0 && m_nTotal >= 21 && m_nTotal <= 39));
    ZASSERT(m_nMaxTake == kUnset || (m_nMaxTake >= 2 && m_nMaxTake <= 7));

    const bool bRunning = m_nTurn == kPlayerTurn || m_nTurn == kComputerTurn;
    const bool bOver = m_nTurn == kNoGame && m_bEnableNew;
    if (!bRunning && !bOver)
        return;

    int onBoard = 0;
    for (int k = 1; k <= m_nTotal; ++k)
        onBoard += Item(k).nTaken == 0 ? 1 : 0;

    if (bRunning) {
        ZASSERT(onBoard == m_nRemaining - m_nSelected);
        ZASSERT(m_nPlayerHeld + m_nComputerHeld + m_nRemaining == m_nTotal);
        ZASSERT(m_nSelected >= 0 && m_nSelected <= m_nMaxTake);
    } else {
        ZASSERT(onBoard == 0);
        ZASSERT(m_nPlayerHeld + m_nComputerHeld == m_nTotal);
        ZASSERT(m_nRemaining <= 0);
    }
}
