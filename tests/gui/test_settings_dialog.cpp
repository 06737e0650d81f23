// The settings dialog on its real widgets, and the template dialogs in general: window, lists,
// radio groups, tab order, and what OK, Cancel and Escape leave in the game.
#include "GuiSupport.h"
#include "dialogs/ZeltaroDialog.h"
#include "platform/qt/ViewWidget.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

namespace {

// What a user does in the dialog; it ends by closing it one way or another.
using Action = std::function<void(TemplateDialog&)>;

QComboBox* Totals(QWidget* d) { return Child<QComboBox>(d, "IDC_TOTAL_COMBO"); }
QComboBox* Takes(QWidget* d) { return Child<QComboBox>(d, "IDC_MAXTAKE_COMBO"); }
QRadioButton* First(QWidget* d) { return Child<QRadioButton>(d, "IDC_FIRST_RADIO"); }
QRadioButton* Second(QWidget* d) { return Child<QRadioButton>(d, "IDC_SECOND_RADIO"); }
QPushButton* Ok(QWidget* d) { return Child<QPushButton>(d, "IDOK"); }
QPushButton* Cancel(QWidget* d) { return Child<QPushButton>(d, "IDCANCEL"); }

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Picks an entry with the mouse: opens the list and clicks the entry in it.
void PickWithMouse(QComboBox* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView* list = box->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    // A release too soon after the list opens counts as the end of the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex index = list->model()->index(box->findText(text), 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(index).center());
}

// The focus as Tab moves it round the dialog, starting where it opens.
QStringList TabRound() {
    QStringList names;
    for (int i = 0; i < 7; ++i) {
        names << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

// A dialog with its own button, on the settings template, to see how the runner treats it.
class ProbeDialog final : public CDialog {
public:
    ProbeDialog() : CDialog(IDD_GENERAL_SETTINGS) {}
    bool OnCommand(UINT nID) override {
        commands.push_back(nID);
        if (nID == IDCANCEL && bRefuseCancel)
            return true;
        return CDialog::OnCommand(nID);
    }
    bool bRefuseCancel = false;
    std::vector<UINT> commands;
};

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void choicesBecomeTheGameSettings_data();
    void choicesBecomeTheGameSettings();
    void opensWithItsTemplate();
    void tabVisitsTheTemplateOrder();
    void escapeGoesToTheDialogsCancel();
    void sortedListsAndRadioGroupsOfAnyTemplate();
};

void TestSettingsDialog::choicesBecomeTheGameSettings_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<bool>("afterNewGame"); // a game of 39, 7, second was set up before
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("maxTake");
    QTest::addColumn<int>("order");

    const Action ok = [](TemplateDialog& d) { QTest::mouseClick(Ok(&d), Qt::LeftButton); };
    const Action cancel = [](TemplateDialog& d) { QTest::mouseClick(Cancel(&d), Qt::LeftButton); };
    const Action escape = [](TemplateDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };
    const Action enter = [](TemplateDialog& d) { QTest::keyClick(&d, Qt::Key_Return); };
    const Action chooseByKeys = [](TemplateDialog& d) {
        Totals(&d)->setFocus();
        QTest::keyClicks(Totals(&d), "39");
        QTest::keyClick(Takes(&d), Qt::Key_End);
        First(&d)->setFocus();
        QTest::keyClick(First(&d), Qt::Key_Down);
        QTest::keyClick(&d, Qt::Key_Return);
    };
    const Action chooseByMouse = [](TemplateDialog& d) {
        PickWithMouse(Totals(&d), "39");
        PickWithMouse(Takes(&d), "7");
        QTest::mouseClick(Second(&d), Qt::LeftButton);
        QTest::mouseClick(Ok(&d), Qt::LeftButton);
    };
    const Action chooseThenCancel = [](TemplateDialog& d) {
        PickWithMouse(Totals(&d), "39");
        QTest::mouseClick(Second(&d), Qt::LeftButton);
        QTest::keyClick(&d, Qt::Key_Escape);
    };

    QTest::newRow("OK untouched") << ok << false << 21 << 4 << 0;
    QTest::newRow("Enter untouched") << enter << false << 21 << 4 << 0;
    QTest::newRow("Cancel button") << cancel << false << 25 << 4 << 0;
    QTest::newRow("Escape") << escape << false << 25 << 4 << 0;
    QTest::newRow("39, 7, second by mouse") << chooseByMouse << false << 39 << 7 << 1;
    QTest::newRow("39, 7, second by keys") << chooseByKeys << false << 39 << 7 << 1;
    QTest::newRow("choices dropped by Escape") << chooseThenCancel << false << 25 << 4 << 0;
    QTest::newRow("OK after new game") << ok << true << 21 << 4 << 0;
    QTest::newRow("Cancel after new game") << cancel << true << 25 << 4 << 0;
}

void TestSettingsDialog::choicesBecomeTheGameSettings() {
    QFETCH(Action, action);
    QFETCH(bool, afterNewGame);
    QFETCH(int, total);
    QFETCH(int, maxTake);
    QFETCH(int, order);
    RunnerScope dialogs;
    CZeltaroView view;
    if (afterNewGame) {
        QVERIFY(ChooseSettings(view, 39, 7, 1));
        QVERIFY(Issue(view, ID_GAME_START));
        QVERIFY(Issue(view, ID_GAME_NEW));
    }

    QVERIFY(RunSettings(view, action));

    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(view.m_nTotal, total);
    QCOMPARE(view.m_nMaxTake, maxTake);
    QCOMPARE(view.m_nOrder, order);
    QVERIFY(!IsEnabled(view, ID_GAME_SETTINGS));
    QVERIFY(IsEnabled(view, ID_GAME_START));
}

void TestSettingsDialog::opensWithItsTemplate() {
    RunnerScope dialogs;
    CZeltaroView view;
    QVERIFY(RunSettings(view, [](TemplateDialog& d) {
        QCOMPARE(d.windowTitle(), QString::fromUtf8("Общи настройки"));
        QVERIFY(d.windowFlags() & Qt::CustomizeWindowHint);
        QVERIFY(!(d.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(d.size(), d.ToPixels(0, 0, 280, 121).size());

        QCOMPARE(Items(Totals(&d)), QString("21 23 25 27 29 31 33 35 37 39").split(' '));
        QCOMPARE(Items(Takes(&d)), QString("2 3 4 5 6 7").split(' '));
        QCOMPARE(Totals(&d)->currentText(), QString("21"));
        QCOMPARE(Takes(&d)->currentText(), QString("4"));
        QVERIFY(First(&d)->isChecked());
        QVERIFY(!Second(&d)->isChecked());
        QCOMPARE(Second(&d)->text(), QString::fromUtf8("Втори"));
        QVERIFY(Ok(&d)->isDefault());
        QCOMPARE(d.findChild<QGroupBox*>()->title(), QString::fromUtf8("Влез в играта"));
        QCOMPARE(d.findChildren<QLabel*>().size(), 2);

        // Placed in dialog units; a closed list takes its own height, not its list's.
        QCOMPARE(Ok(&d)->geometry(), d.ToPixels(217, 78, 50, 14));
        QCOMPARE(Second(&d)->geometry(), d.ToPixels(200, 50, 36, 10));
        QCOMPARE(Totals(&d)->pos(), d.ToPixels(17, 39, 36, 78).topLeft());
        QCOMPARE(Totals(&d)->height(), Totals(&d)->sizeHint().height());
        QVERIFY(d.BaseUnitX() > 0 && d.BaseUnitY() > d.BaseUnitX());
        QTest::keyClick(&d, Qt::Key_Escape);
    }));
}

void TestSettingsDialog::tabVisitsTheTemplateOrder() {
    RunnerScope dialogs;
    CZeltaroView view;
    QStringList firstRound;
    QStringList secondRound;
    QVERIFY(RunSettings(view, [&](TemplateDialog& d) {
        firstRound = TabRound();
        // Tab enters the radio pair at its checked button.
        QTest::mouseClick(Second(&d), Qt::LeftButton);
        Ok(&d)->setFocus();
        secondRound = TabRound();
        Cancel(&d)->click();
    }));
    QCOMPARE(firstRound, QString("IDOK IDCANCEL IDC_TOTAL_COMBO IDC_MAXTAKE_COMBO IDC_FIRST_RADIO "
                                 "IDOK IDCANCEL")
                             .split(' '));
    QCOMPARE(secondRound, QString("IDOK IDCANCEL IDC_TOTAL_COMBO IDC_MAXTAKE_COMBO "
                                  "IDC_SECOND_RADIO IDOK IDCANCEL")
                              .split(' '));
}

void TestSettingsDialog::escapeGoesToTheDialogsCancel() {
    RunnerScope dialogs;
    ProbeDialog probe;
    probe.bRefuseCancel = true;
    bool stillOpen = false;
    WhenModalOpens([&stillOpen](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        modal->close();
        // Refused twice, the dialog stays open; its OK still works.
        stillOpen = modal->isVisible();
        Ok(modal)->click();
    });
    QCOMPARE(probe.DoModal(), IDOK);
    QVERIFY(stillOpen);
    QCOMPARE(probe.commands, (std::vector<UINT>{IDCANCEL, IDCANCEL, IDOK}));
    QVERIFY(probe.Site() == nullptr);
}

void TestSettingsDialog::sortedListsAndRadioGroupsOfAnyTemplate() {
    const DialogTemplate tmpl{
        7,
        "Проба",
        "Arial",
        10,
        0,
        0,
        200,
        100,
        WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
        {
            {IDOK, "IDOK", ControlKind::DefPushButton, "Добре", 140, 80, 50, 14, WS_TABSTOP},
            {10, "SORTED", ControlKind::ComboBox, "", 5, 5, 40, 60, WS_TABSTOP | CBS_SORT},
            {11, "PLAIN", ControlKind::ComboBox, "", 50, 5, 40, 60, WS_TABSTOP},
            {20, "A1", ControlKind::RadioButton, "a1", 5, 30, 40, 10, WS_TABSTOP | WS_GROUP},
            {21, "A2", ControlKind::RadioButton, "a2", 5, 40, 40, 10, 0},
            {IDC_STATIC, "", ControlKind::Static, "|", 5, 50, 40, 10, WS_GROUP},
            {22, "B1", ControlKind::RadioButton, "b1", 50, 30, 40, 10, WS_TABSTOP},
            {23, "B2", ControlKind::RadioButton, "b2", 50, 40, 40, 10, 0},
            {30, "ICON", ControlKind::Icon, "IDR_MAINFRAME", 100, 30, 20, 20, 0},
        },
        {{10, CB_ADDSTRING, "b"},
         {11, CB_ADDSTRING, "b"},
         {10, CB_ADDSTRING, "C"},
         {11, CB_ADDSTRING, "C"},
         {10, CB_ADDSTRING, "a"},
         {11, CB_ADDSTRING, "a"}},
    };
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::blue);
    ProbeDialog probe;
    TemplateDialog d(tmpl, probe, QIcon(pixmap));

    QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(Items(Child<QComboBox>(&d, "SORTED")), QStringList({"a", "b", "C"}));
    QCOMPARE(Items(Child<QComboBox>(&d, "PLAIN")), QStringList({"b", "C", "a"}));
    QCOMPARE(d.GetComboIndex(10), -1); // nothing selected before the exchange
    QVERIFY(!Child<QLabel>(&d, "ICON")->pixmap().isNull());

    // Two groups, split by the static text that starts a group of its own.
    d.SetRadioIndex(20, 1);
    d.SetRadioIndex(22, 0);
    QCOMPARE(d.GetRadioIndex(20), 1);
    QCOMPARE(d.GetRadioIndex(22), 0);
    Child<QRadioButton>(&d, "A1")->click();
    QCOMPARE(d.GetRadioIndex(20), 0);
    QCOMPARE(d.GetRadioIndex(22), 0);
    d.SetRadioIndex(22, -1);
    QCOMPARE(d.GetRadioIndex(22), -1);
    QCOMPARE(d.GetRadioIndex(20), 0);
}

QTEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
