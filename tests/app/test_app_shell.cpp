// Start-up, the document's Save, closing, the About box and the rules file, and the recent-file
// list in the settings store.
#include "support/RunningApp.h"

namespace {

// The settings file, where Qt's own settings for the program would be.
QString SettingsFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") +
           "/Local AppWizard-Generated Applications/Zeltaro.conf";
}

QStringList RecentFiles() {
    const QSettings settings(SettingsFile(), QSettings::IniFormat);
    QStringList files;
    for (int n = 1; n <= 5; ++n)
        files << settings.value(QString("Recent File List/File%1").arg(n)).toString();
    files.removeAll(QString());
    return files;
}

} // namespace

class TestAppShell : public QObject {
    Q_OBJECT
    QTemporaryDir m_settings;
    QTemporaryDir m_work;
    const QString m_startDir = QDir::currentPath();

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path())); }

    void init() { QDir::setCurrent(m_startDir); }

    // Started with the path of a file, the game starts as with none: only the title names the
    // file, which is read nothing of and left as it was. Closing never asks to save.
    void startsUntitledOrWithAFileReadingNothing() {
        RunningApp fresh;
        QVERIFY(fresh.Start());
        QCOMPARE(fresh.frame->windowTitle(), QString("Untitled - Zeltaro"));
        const QString path = m_work.filePath("saved game.zlt");
        WriteFile(path, "не е игра");
        RunningApp run;
        QVERIFY(run.Start({"zeltaro", path}));
        QCOMPARE(run.frame->windowTitle(), QString("saved game.zlt - Zeltaro"));
        QCOMPARE(Snapshot(run.View()), Snapshot(fresh.View()));
        QCOMPARE(Contents(path), QByteArray("не е игра"));
        QCOMPARE(RecentFiles(), QStringList{path});
        ModalHand hand;
        run.PressKey(ID_GAME_START);
        run.Take(2);
        run.ChooseFromMenu(ID_APP_EXIT);
        QVERIFY(!run.frame->isVisible() && hand.unexpected.isEmpty() && hand.boxes.isEmpty());
    }

    // Save asks for a name, offering no file type or extension of the program's own, and writes
    // an empty file whatever the game; a path it cannot write is reported and changes nothing.
    void saveWritesAnEmptyFileOrSaysWhyNot() {
        QFile::remove(SettingsFile());
        RunningApp run;
        QVERIFY(run.Start());
        ModalHand hand;
        run.PressKey(ID_GAME_START);
        run.Take(3);
        const std::vector<int> game = Snapshot(run.View());
        QStringList offered;
        auto save = [&](const QString& path) {
            hand.Then([&, path](QWidget* w) {
                auto* dialog = static_cast<QFileDialog*>(w);
                offered << dialog->nameFilters() << dialog->defaultSuffix();
                dialog->setOption(QFileDialog::DontConfirmOverwrite); // the player says yes
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                static_cast<QDialog*>(dialog)->accept(); // as the dialog's Save button does
            });
            run.PressKey(ID_FILE_SAVE);
        };
        const QString unwritable = m_work.filePath("no such folder/game.zlt");
        hand.okBoxes = true;
        save(unwritable);
        QVERIFY2(hand.boxes.size() == 1 && hand.boxes[0].startsWith("Zeltaro: ") &&
                     hand.boxes[0].contains(unwritable) && hand.boxes[0].contains("не може"),
                 qPrintable(hand.boxes.join('\n')));
        QCOMPARE(run.frame->windowTitle(), QString("Untitled - Zeltaro"));
        QCOMPARE(RecentFiles(), QStringList());

        // The last four files saved are remembered, the latest first, each once.
        const QString path = m_work.filePath("zeltaro-save");
        for (const char* name : {"a", "b", "c", "zeltaro-save", "d", "c"})
            save(m_work.filePath(name));
        save(path);
        QCOMPARE(Contents(path), QByteArray());
        QCOMPARE(run.frame->windowTitle(), QString("zeltaro-save - Zeltaro"));
        QCOMPARE(RecentFiles(), (QStringList{path, m_work.filePath("c"), m_work.filePath("d"),
                                             m_work.filePath("b")}));
        hand.Then([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        run.PressKey(ID_FILE_SAVE);
        QCOMPARE(run.frame->windowTitle(), QString("zeltaro-save - Zeltaro"));
        offered.removeAll("All Files (*)");
        offered.removeAll(QString());
        QCOMPARE(offered, QStringList());
        QCOMPARE(Snapshot(run.View()), game);
        QVERIFY(hand.Done() && hand.boxes.size() == 1 && hand.unexpected.isEmpty());
    }

    void aboutAndTheRulesLeaveTheGameAlone_data() {
        QTest::addColumn<Route>("route");
        QTest::addColumn<QString>("close"); // the button pressed, or Escape
        QTest::addColumn<bool>("here");     // a rules file in the current directory
        QTest::addColumn<bool>("desktop");  // what the desktop answers the request to open it
        QTest::newRow("OK") << Route::Toolbar << "IDOK" << true << true;
        QTest::newRow("Escape") << Route::Menu << "Escape" << true << true;
        QTest::newRow("rules here") << Route::Toolbar << "IDC_RULES" << true << true;
        QTest::newRow("rules elsewhere") << Route::Menu << "IDC_RULES" << false << true;
        QTest::newRow("rules refused") << Route::Toolbar << "IDC_RULES" << false << false;
    }

    // However the box is opened and closed in the middle of a game, the game, its draws and its
    // commands stay as they were, and the window is idle again. Rules opens the file in the
    // current directory; started from the desktop's menu the program runs in the home folder,
    // where the bare name finds nothing, so the copy that comes with it is opened instead. The
    // box closes whatever the desktop says.
    void aboutAndTheRulesLeaveTheGameAlone() {
        QFETCH(Route, route);
        QFETCH(QString, close);
        QFETCH(bool, here);
        QFETCH(bool, desktop);
        QTemporaryDir dir;
        if (here)
            WriteFile(dir.filePath("HelpZeltaro.txt"), "правилата на този потребител");
        QVERIFY(QDir::setCurrent(dir.path()));
        RunningApp run;
        QVERIFY(run.Start());
        run.shell.answer = desktop;
        ModalHand hand;
        hand.Then(ChooseSettings(27, 3, 0));
        run.PressKey(ID_GAME_SETTINGS);
        run.PressKey(ID_GAME_START);
        run.Take(2);
        run.runtime.ScriptTakes({2});
        run.PressKey(ID_GAME_PLAY);
        run.Take(1);
        const std::vector<int> before = Snapshot(run.View());
        const int draws = run.runtime.draws;

        QStringList texts;
        hand.Then([&](QWidget* w) {
            texts << w->windowTitle() << w->findChild<QPushButton*>("IDOK")->text()
                  << w->findChild<QPushButton*>("IDC_RULES")->text();
            for (QLabel* label : w->findChildren<QLabel*>())
                texts << (label->text().contains("1.0  2008") ? "version" : "");
            if (close == "Escape")
                QTest::keyClick(w, Qt::Key_Escape);
            else
                w->findChild<QPushButton*>(close)->click();
            texts << (w->isVisible() ? "stayed" : "closed");
            w->close();
        });
        if (route == Route::Toolbar) {
            QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
            QApplication::sendEvent(run.Button(ID_APP_ABOUT), &enter);
            QCOMPARE(run.frame->MessageText(), QString("Помощ"));
        }
        run.Issue(ID_APP_ABOUT, route);
        QCOMPARE(run.frame->MessageText(), QString("Ready"));
        texts.removeAll(QString());
        QCOMPARE(texts, QStringList({"About Zeltaro", "Добре", "Правила", "version", "closed"}));
        QCOMPARE(Snapshot(run.View()), before);
        QCOMPARE(run.runtime.draws, draws);
        QVERIFY(hand.Done() && hand.boxes.isEmpty());

        const std::vector<std::string> opened = run.shell.opened;
        QCOMPARE(opened.size(), size_t(close == "IDC_RULES" ? 1 : 0));
        if (opened.empty() || here) {
            QCOMPARE(opened, std::vector<std::string>(opened.size(), "HelpZeltaro.txt"));
        } else {
            QVERIFY2(QFileInfo(opened[0].c_str()).isAbsolute(), opened[0].c_str());
            QCOMPARE(Contents(opened[0].c_str()),
                     Contents(ZELTARO_SOURCE_DIR "/app/HelpZeltaro.txt"));
        }
    }
};

QTEST_MAIN(TestAppShell)
#include "test_app_shell.moc"
