// The view: the whole game state, the game's commands, the board's painting and its clicks.
#pragma once

#include "BoardCursor.h"
#include "GameItem.h"
#include "platform/Runtime.h"
#include "platform/View.h"

class CZeltaroView : public CView {
public:
    CZeltaroView();

    // The number of records in m_items; items are numbered from 1.
    static constexpr int kItemCount = 40;
    // N, M and the order before they are first chosen: painting shows nothing for them.
    static constexpr int kUnset = -1;

    // The square of item k (1 to 39) on the board.
    static CRect ItemRect(int k);

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

    // The game state.
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
    int m_nTurn = 2;
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
    void Classify();
    void ComputedOpening();
    void RandomOpening();

    // Steps of Play.
    void ComputerMove();
    void FirstAnswer();
    void RandomPhaseAnswer();
    void NormalAnswer();
    void EndgameTake();
    void RandomTake();
    void TableTake(int x);
    int Query(int x);
    void CarryOutTake(bool bEndRandomPhase);
    void GameOver();

    int Left() const { return m_nRemaining - m_nSelected; }
    void DrawNumber(CDC* pDC, int x, int y, int nValue);

    Runtime* m_pRuntime = &Runtime::System();
    CBoardCursor m_cursor;
};
