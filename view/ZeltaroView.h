// The view: the whole game state, the game's commands, the board's painting, its clicks and
// keys. The computer's rules of play, and its carrying out of each take, are in
// ZeltaroStrategy.cpp; the keyboard's cursor is in BoardCursor.cpp, the board's layout in
// Board.h.
#pragma once

#include "BoardCursor.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <optional>

class CZeltaroView : public CView {
public:
    CZeltaroView();

    // The number of records in m_items; items are numbered from 1.
    static constexpr int kItemCount = 40;
    // N, M and the order before they are first chosen: painting shows nothing for them.
    static constexpr int kUnset = -1;

    // Turn states (m_nTurn).
    static constexpr int kPlayerTurn = 0;   // clicks select, Back puts back, Play resolves
    static constexpr int kComputerTurn = 1; // the selection is closed; the computer moves
    static constexpr int kNoGame = 2;       // clicks and Back do nothing

    // Game modes (m_nMode): who moves first, and who can force a win from the start.
    static constexpr int kModeFirstPlayerWins = 1;    // the computer expects takes, then answers
    static constexpr int kModeFirstComputerWins = 2;  // every answer from the reply table
    static constexpr int kModeSecondComputerWins = 3; // a computed opening, then the table
    static constexpr int kModeSecondPlayerWins = 4;   // a random opening, then as the first mode

    // Start classes (m_nStartClass): the parity of M and where N falls in its period.
    static constexpr int kStartOddLosing = 1;  // odd M, residue 1: the side to move loses
    static constexpr int kStartOddLow = 2;     // odd M, residue 3 to M
    static constexpr int kStartOddHigh = 3;    // odd M, residue M + 2 to 2M + 1
    static constexpr int kStartEvenLosing = 4; // even M, residue 1: the side to move loses
    static constexpr int kStartEven = 5;       // even M, any other residue

    // Strategy classes (m_nClass), the reply table's rows: two for odd M, three for even M.
    static constexpr int kClassOddA = 1;
    static constexpr int kClassOddB = 2;
    static constexpr int kClassEvenA = 3;
    static constexpr int kClassEvenB = 4;
    static constexpr int kClassEvenC = 5;

    // The defaults of a game started before any settings were chosen, and of a cancelled dialog.
    static constexpr int kDefaultTotal = 25;
    static constexpr int kDefaultMaxTake = 4;
    static constexpr int kDefaultOrder = 0;

    // One rule of the reply table: the computer's reply r and the strategy class after it.
    struct Reply {
        int nTake;
        int nNextClass;
    };
    // The rule that covers amount x in the class under limit M, if one does.
    static std::optional<Reply> ReplyRule(int nClass, int x, int nMaxTake);

    GameItem& Item(int k) { return m_items[k - 1]; }
    const GameItem& Item(int k) const { return m_items[k - 1]; }

    // The generator and clock of the computer's random takes.
    void SetRuntime(Runtime* pRuntime) { m_pRuntime = pRuntime; }

    // Checks the invariants of a running game, and of a finished one.
    void AssertValid() const;

    // Painting and the mouse.
    void OnDraw(CDC* pDC) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    // The keyboard's cursor and what a screen reader reads.
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus() override { m_cursor.SetFocus(*this, true); }
    void OnKillFocus() override { m_cursor.SetFocus(*this, false); }
    void OnMouseDown() override { m_cursor.Hide(*this); }
    std::string GetAccessibleName() const override;
    std::string GetAccessibleDescription() const override;
    std::vector<CAccessibleChild> GetAccessibleChildren() const override;
    void OnAccessibleAction(int nKey) override;
    const CBoardCursor& Cursor() const { return m_cursor; }

    // Commands and their update handlers, routed through the command map.
    bool OnCommand(UINT nID) override;
    bool OnUpdateCommand(CCmdUI* pCmdUI) override;

    void OnGeneralSettings();
    void OnStart();
    void OnPlay();
    void OnEditUndo();
    void OnNewGame();
    void OnFileNew();
    void OnUpdateGeneralSettings(CCmdUI* pCmdUI);
    void OnUpdateStart(CCmdUI* pCmdUI);
    void OnUpdatePlay(CCmdUI* pCmdUI);
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateNewGame(CCmdUI* pCmdUI);

    // The computer's side of the game.
    void MarkComputerTake();
    void QueryReply();

    // The game's fixed state: these members, in this order, are the game as specified.
    int m_nQueryTaken = 0;
    int m_nQueryNextClass = 0;
    int m_nQueryClass = 0;
    int m_nQueryReply = 0;
    bool m_bStarted = false;
    bool m_bRestarted = false;
    int m_nOrder = kUnset;
    int m_nMaxTake = kUnset;
    int m_nTotal = kUnset;
    int m_nComputerHeld = 0;
    int m_nPlayerHeld = 0;
    int m_nStartClass = 0;
    int m_nClass = 0;
    int m_bResidueOne = 0;
    int m_nMode = 0;
    int m_nTurn = kNoGame;
    int m_nResidue = 0;
    int m_nSelected = 0;
    int m_nComputerAsked = 0;
    int m_nComputerTake = 0;
    int m_nRemaining = 0;
    int m_nGoal = 0;
    bool m_bFirstReply = false;
    bool m_bRandomPhase = false;
    bool m_bSettingsChosen = false;
    GameItem m_items[kItemCount];
    char m_szNumber[12] = {};
    CRect m_rectScore{500, 5, 600, 50};
    bool m_bEnableUndo = false;
    bool m_bEnableStart = true;
    bool m_bEnablePlay = false;
    bool m_bEnableNew = false;
    bool m_bEnableSettings = true;
    CRect m_rectItem;

private:
    // Steps of Start.
    void ApplyDefaults();
    void SetDefaults();
    void ComputerOpening();
    void Classify();
    void LeaveLosingCount(int& nTake);
    void OpeningTake();

    // Steps of Play.
    void ComputerMove();
    void FirstAnswer();
    void RandomPhaseAnswer();
    void NormalAnswer();
    void EndgameTake();
    void RandomTake();
    int Query(int x);
    void CarryOutTake(bool bEndRandomPhase);
    void GameOver();

    int Left() const { return m_nRemaining - m_nSelected; }
    void DrawNumber(CDC* pDC, int x, int y, int nValue);
    // The board as the keyboard's cursor reads it.
    CBoardCursor::Board CursorBoard() const { return {m_items, m_nTotal}; }
    // Takes item k as a click at its centre does; 0 takes nothing.
    void PressItem(int k);

    // What a screen reader is told of each change, and where.
    std::string StartNews() const;
    std::string PlayNews(int nComputerTook) const;
    std::string TakeNews(int k) const;
    std::string StateNews() const;
    int ReaderFocus() const;

    Runtime* m_pRuntime = &Runtime::System();
    CBoardCursor m_cursor;
    // The news of the last change, told with the item under the cursor until the cursor moves.
    std::string m_sNews;
};
