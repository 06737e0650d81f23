// What both front ends' shells share, without a window: the commands' route and guard, and how a
// file joins the recent-file list.
#include "app/RecentFileRules.h"
#include "frame/CommandRouter.h"
#include "resources/resource.h"

#include <QtTest>

// A target that handles one command, enabled or not, and counts its runs.
struct FakeTarget : CCmdTarget {
    UINT nID;
    bool bOn;
    int nRuns = 0;
    FakeTarget(UINT id, bool on) : nID(id), bOn(on) {}
    bool OnCommand(UINT n) override { return n == nID && ++nRuns > 0; }
    bool OnUpdateCommand(CCmdUI* pCmdUI) override {
        return pCmdUI->m_nID == nID && (pCmdUI->Enable(bOn), true);
    }
};

class TestShellRules : public QObject {
    Q_OBJECT

private slots:
    // The view is asked first; a disabled command and one that nobody handles never run.
    void routeAndGuard() {
        FakeTarget view(ID_GAME_PLAY, false), doc(ID_GAME_PLAY, true), frame(ID_APP_EXIT, true);
        CCommandRouter router;
        router.SetTargets(&view, &doc, &frame, nullptr);
        QVERIFY(!router.Issue(ID_GAME_PLAY) && router.Issue(ID_APP_EXIT));
        QVERIFY(!router.Query(ID_GAME_START).m_bEnabled && !router.Issue(ID_GAME_START));
        QCOMPARE(view.nRuns + doc.nRuns * 10 + frame.nRuns * 100, 100);
    }

    // Each row: the list before, newest first, the file saved, the list after.
    void recentFiles() {
        const char* const rows[][3] = {{"", "a", "a"},
                                       {"ab", "c", "cab"},
                                       {"abc", "b", "bac"},
                                       {"abcd", "e", "eabc"},
                                       {"abcd", "d", "dabc"}};
        for (const auto& row : rows) {
            std::vector<std::string> files;
            for (const char* c = row[0]; *c != '\0'; ++c)
                files.emplace_back(1, *c);
            AddRecentFile(files, row[1], kRecentFileCount);
            std::string after;
            for (const std::string& file : files)
                after += file;
            QCOMPARE(after, std::string(row[2]));
        }
        QCOMPARE(RecentFileEntry(4), std::string("File4"));
    }
};

QTEST_APPLESS_MAIN(TestShellRules)
#include "test_shell_rules.moc"
