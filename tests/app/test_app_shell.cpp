// Start-up and the command line, the document's Save, closing, the About box and the rules
// file, and the recent-file list in the settings store.
#include "AppDriver.h"
#include "app/AboutDlg.h"
#include "app/ZeltaroDoc.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <unistd.h>

class TestAppShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startsWithOneUntitledWindow();
    void opensAnExistingFileReadingNothing();
    void programExitsWithAMessage_data();
    void programExitsWithAMessage();
    void recentFilesKeepTheLastFour();
    void saveAsksForANameAndWritesAnEmptyFile();
    void saveReportsAPathItCannotWrite();
    void closingNeverAsksToSave();
    void aboutBox();
    void aboutLeavesTheGameAlone_data();
    void aboutLeavesTheGameAlone();
    void rulesOpenTheFileInTheCurrentDirectory();
    void rulesFallBackToTheShippedCopy();
    void rulesCloseTheBoxWhateverTheDesktopSays();

private:
    QTemporaryDir m_settings;
    QTemporaryDir m_work;
    QString m_startDir;
};

namespace {

QString SettingsFile(const QTemporaryDir& dir) {
    return dir.filePath("Local AppWizard-Generated Applications/Zeltaro.conf");
}

QStringList RecentFiles() {
    QSettings settings;
    QStringList files;
    for (int n = 1; n <= 5; ++n) {
        const QString file = settings.value(QString("Recent File List/File%1").arg(n)).toString();
        if (!file.isEmpty())
            files << file;
    }
    return files;
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// The next window is the file dialog: a name is typed and accepted.
ModalHand::Reply TypeFileName(const QString& path, QStringList* filters, QString* suffix) {
    return [=](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (dialog == nullptr) {
            w->close();
            return;
        }
        *filters = dialog->nameFilters();
        *suffix = dialog->defaultSuffix();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's Save button does
    };
}

// The source's copy of the rules, which the build puts beside the program.
QByteArray SourceRules() {
    QFile file(QStringLiteral(ZELTARO_SOURCE_DIR "/app/HelpZeltaro.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestAppShell::initTestCase() {
    QVERIFY(m_settings.isValid() && m_work.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    m_startDir = QDir::currentPath();
}

void TestAppShell::init() {
    QDir::setCurrent(m_startDir);
    QFile::remove(SettingsFile(m_settings));
}

void TestAppShell::startsWithOneUntitledWindow() {
    RunningApp run;
    QVERIFY(run.Start());
    QCOMPARE(run.frame->windowTitle(), QString("Untitled - Zeltaro"));
    QVERIFY(run.frame->isVisible());
    QCOMPARE(run.app.Document()->GetPathName(), QString());
    int frames = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        frames += qobject_cast<CMainFrame*>(w) != nullptr && w->isVisible() ? 1 : 0;
    QCOMPARE(frames, 1);
    QCOMPARE(run.app.RecentFiles().Size(), 4);
    QCOMPARE(QCoreApplication::applicationName(), QString("Zeltaro"));
    QCOMPARE(QCoreApplication::organizationName(),
             QString("Local AppWizard-Generated Applications"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString("1.0.0.1"));
    QCOMPARE(QApplication::windowIcon().availableSizes().size(), 2);
    // The window's, the document's and the application's commands are there from the start.
    for (UINT nID : {ID_APP_ABOUT, ID_APP_EXIT, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_FILE_SAVE})
        QVERIFY(run.Action(nID)->isEnabled());
}

void TestAppShell::opensAnExistingFileReadingNothing() {
    const QString path = m_work.filePath("saved game.zlt");
    WriteFile(path, "не е игра");
    RunningApp fresh;
    QVERIFY(fresh.Start());
    const std::vector<int> freshGame = Snapshot(fresh.View());

    RunningApp run({"zeltaro", path});
    QVERIFY(run.Start());
    QCOMPARE(run.frame->windowTitle(), QString("saved game.zlt - Zeltaro"));
    QCOMPARE(Snapshot(run.View()), freshGame);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("не е игра"));
    QCOMPARE(RecentFiles(), QStringList{path});
    QVERIFY(QFile::exists(SettingsFile(m_settings)));
}

void TestAppShell::programExitsWithAMessage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    const QString missing = m_work.filePath("missing.zlt");
    QTest::newRow("missing file") << QStringList{missing} << missing;
    QTest::newRow("directory") << QStringList{m_work.path()} << m_work.path();
    QTest::newRow("two paths") << QStringList{"a", "b"} << "zeltaro [";
    if (geteuid() != 0) {
        const QString locked = m_work.filePath("locked.zlt");
        WriteFile(locked, "x");
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        QTest::newRow("unreadable file") << QStringList{locked} << locked;
    }
}

// The real program: a failure is said plainly on standard error and in the exit status.
void TestAppShell::programExitsWithAMessage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(ZELTARO_EXECUTABLE, arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(err.contains("zeltaro: ") && err.contains(mentions), qPrintable(err));
}

void TestAppShell::recentFilesKeepTheLastFour() {
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << m_work.filePath(QString("game%1.zlt").arg(i));
        WriteFile(paths.back(), "");
        RunningApp run({"zeltaro", paths.back()});
        QVERIFY(run.Start());
    }
    // Opening one again moves it to the front instead of listing it twice.
    RunningApp again({"zeltaro", paths[2]});
    QVERIFY(again.Start());
    QCOMPARE(RecentFiles(), (QStringList{paths[2], paths[4], paths[3], paths[1]}));
    QCOMPARE(again.app.RecentFiles().Files(), RecentFiles());
}

void TestAppShell::saveAsksForANameAndWritesAnEmptyFile() {
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    run.PressKey(ID_GAME_START);
    run.Take(3);
    const std::vector<int> game = Snapshot(run.View());
    const QString path = m_work.filePath("zeltaro-save");
    QStringList filters;
    QString suffix;
    hand.Then(TypeFileName(path, &filters, &suffix));
    run.PressKey(ID_FILE_SAVE);

    QVERIFY(hand.unexpected.isEmpty());
    // No file type of the program's own: every file is shown, and no extension is added.
    QVERIFY(filters.isEmpty() || filters == QStringList{"All Files (*)"});
    QCOMPARE(suffix, QString());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(run.frame->windowTitle(), QString("zeltaro-save - Zeltaro"));
    QCOMPARE(RecentFiles(), QStringList{path});
    QCOMPARE(Snapshot(run.View()), game);

    // Cancelling the dialog changes nothing.
    hand.Then([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    run.PressKey(ID_FILE_SAVE);
    QCOMPARE(run.frame->windowTitle(), QString("zeltaro-save - Zeltaro"));
    QVERIFY(hand.boxes.empty());
}

void TestAppShell::saveReportsAPathItCannotWrite() {
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    const QString path = m_work.filePath("no such folder/game.zlt");
    QStringList filters;
    QString suffix;
    hand.Then(TypeFileName(path, &filters, &suffix));
    hand.ThenOk();
    run.PressKey(ID_FILE_SAVE);

    QVERIFY(hand.Done());
    QCOMPARE(hand.boxes.size(), size_t(1));
    QCOMPARE(hand.boxes[0].caption, QString("Zeltaro"));
    QVERIFY2(hand.boxes[0].text.contains(path) && hand.boxes[0].text.contains("не може"),
             qPrintable(hand.boxes[0].text));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(run.frame->windowTitle(), QString("Untitled - Zeltaro"));
    QCOMPARE(RecentFiles(), QStringList());
}

void TestAppShell::closingNeverAsksToSave() {
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    run.PressKey(ID_GAME_START);
    run.Take(2);
    run.ChooseFromMenu(ID_APP_EXIT);
    QVERIFY(!run.frame->isVisible());
    QCOMPARE(hand.windows, 0);
}

void TestAppShell::aboutBox() {
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    QString caption;
    QStringList texts;
    bool bOkIsDefault = false;
    bool bPlaced = false;
    bool bIcon = false;
    hand.Then([&](QWidget* w) {
        auto* dialog = qobject_cast<TemplateDialog*>(w);
        if (dialog == nullptr) {
            w->close();
            return;
        }
        caption = dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            texts << label->text();
            bIcon = bIcon || !label->pixmap().isNull();
        }
        auto* ok = dialog->findChild<QPushButton*>("IDOK");
        auto* rules = dialog->findChild<QPushButton*>("IDC_RULES");
        bOkIsDefault = ok->isDefault() && ok->text() == "Добре" && rules->text() == "Правила";
        bPlaced = ok->geometry() == dialog->ToPixels(152, 52, 50, 14) &&
                  rules->geometry() == dialog->ToPixels(152, 31, 50, 16) &&
                  dialog->size() == dialog->ToPixels(0, 0, 209, 73).size();
        ok->click();
    });
    run.Issue(ID_APP_ABOUT, Route::Menu);
    QVERIFY(hand.Done());
    QCOMPARE(caption, QString("About Zeltaro"));
    QVERIFY(bOkIsDefault);
    QVERIFY(bPlaced);
    QVERIFY(bIcon);
    const QString all = texts.join('\n');
    QVERIFY2(all.contains("Zeltaro") && all.contains("1.0  2008"), qPrintable(all));
    QVERIFY(run.shell.opened.empty());
}

void TestAppShell::aboutLeavesTheGameAlone_data() {
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("close"); // the button pressed, or Escape
    QTest::newRow("toolbar, OK") << Route::Toolbar << "IDOK";
    QTest::newRow("menu, Escape") << Route::Menu << "Escape";
    QTest::newRow("toolbar, rules") << Route::Toolbar << "IDC_RULES";
}

void TestAppShell::aboutLeavesTheGameAlone() {
    QFETCH(Route, route);
    QFETCH(QString, close);
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    hand.Then(ChooseSettings(27, 3, 0));
    run.Issue(ID_GAME_SETTINGS, Route::Key);
    run.Issue(ID_GAME_START, Route::Key);
    run.Take(2);
    run.runtime.ScriptTakes({2});
    run.Issue(ID_GAME_PLAY, Route::Key);
    run.Take(1);
    const std::vector<int> before = Snapshot(run.View());
    const int draws = run.runtime.draws;
    QList<bool> enabled;
    for (UINT nID : {ID_GAME_SETTINGS, ID_GAME_START, ID_GAME_PLAY, ID_EDIT_UNDO, ID_GAME_NEW})
        enabled << run.Action(nID)->isEnabled();

    if (close == "Escape")
        hand.Then([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    else
        hand.ThenPress(close == "IDOK" ? "IDOK" : "IDC_RULES");
    if (route == Route::Toolbar) {
        QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
        QApplication::sendEvent(run.Button(ID_APP_ABOUT), &enter);
        QCOMPARE(run.frame->MessageText(), QString("Помощ"));
    }
    run.Issue(ID_APP_ABOUT, route);
    QCOMPARE(run.frame->MessageText(), QString("Ready"));

    QVERIFY(hand.Done());
    QCOMPARE(Snapshot(run.View()), before);
    QCOMPARE(run.runtime.draws, draws);
    QList<bool> after;
    for (UINT nID : {ID_GAME_SETTINGS, ID_GAME_START, ID_GAME_PLAY, ID_EDIT_UNDO, ID_GAME_NEW})
        after << run.Action(nID)->isEnabled();
    QCOMPARE(after, enabled);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestAppShell::rulesOpenTheFileInTheCurrentDirectory() {
    QTemporaryDir here;
    WriteFile(here.filePath("HelpZeltaro.txt"), "правилата на този потребител");
    QVERIFY(QDir::setCurrent(here.path()));
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    hand.ThenPress("IDC_RULES");
    run.Issue(ID_APP_ABOUT, Route::Toolbar);
    QVERIFY(hand.Done());
    QCOMPARE(run.shell.opened, std::vector<std::string>{"HelpZeltaro.txt"});
}

// Started from the desktop's menu, the program runs in the home folder: the copy that comes
// with it is opened instead of a name that finds nothing.
void TestAppShell::rulesFallBackToTheShippedCopy() {
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    RunningApp run;
    QVERIFY(run.Start());
    ModalHand hand;
    hand.ThenPress("IDC_RULES");
    run.Issue(ID_APP_ABOUT, Route::Menu);
    QVERIFY(hand.Done());
    QCOMPARE(run.shell.opened.size(), size_t(1));
    const QString opened = QString::fromStdString(run.shell.opened[0]);
    QVERIFY2(QFileInfo(opened).isAbsolute(), qPrintable(opened));
    QCOMPARE(QFileInfo(opened).fileName(), QString("HelpZeltaro.txt"));
    QFile file(opened);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), SourceRules());
}

void TestAppShell::rulesCloseTheBoxWhateverTheDesktopSays() {
    RunningApp run;
    QVERIFY(run.Start());
    run.shell.answer = false; // no application for plain text, say
    ModalHand hand;
    hand.ThenPress("IDC_RULES");
    CAboutDlg about;
    QCOMPARE(about.DoModal(), IDOK);
    QCOMPARE(run.shell.opened.size(), size_t(1));
    QVERIFY(hand.boxes.empty());
}

QTEST_MAIN(TestAppShell)
#include "test_app_shell.moc"
