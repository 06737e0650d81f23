// The command line and the files the program touches: the document it opens and saves, the
// settings file with the recent-file list, and the rules file the About box opens. Closing never
// asks to save. What is not a regular file is refused without blocking and left exactly as it
// was; a settings file that Qt cannot read is kept before it is written over.
#include "app/qt/ZeltaroDoc.h"
#include "support/RunningApp.h"

#include <csignal>
#include <cstdio>
#include <functional>
#include <map>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Makes a node that is not a regular file: "fifo", "device" (a copy of the null device),
// "socket", "folder", or "link to " one of these or to a "file", the target beside the link.
// False where this account may not: a device node needs root.
bool MakeNode(const QString& kind, const QString& path) {
    if (kind.startsWith("link to ")) {
        const QString target = path + ".target";
        return MakeNode(kind.mid(8), target) && QFile::link(target, path);
    }
    if (kind == "file")
        return QFile(path).open(QIODevice::WriteOnly);
    if (kind == "folder")
        return QDir().mkdir(path);
    // A socket's node needs no listener: what matters is what stands at the name.
    const std::map<QString, mode_t> types = {
        {"fifo", S_IFIFO}, {"device", S_IFCHR}, {"socket", S_IFSOCK}};
    return types.count(kind) == 1 &&
           ::mknod(QFile::encodeName(path).constData(), types.at(kind) | 0600, makedev(1, 3)) == 0;
}

// The path link by link: the type, device number and inode of each, so that a node replaced by
// another, or turned into a regular file, shows.
QString Identity(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return "(none)";
    QString id = QString("%1 %2 %3").arg(info.st_mode, 0, 8).arg(info.st_rdev).arg(info.st_ino);
    if (S_ISLNK(info.st_mode))
        id += " -> " + Identity(QFileInfo(path).symLinkTarget());
    return id;
}

// Ends the run with a failure, instead of letting it hang, if the start-up it guards blocks.
struct Watchdog {
    Watchdog() {
        std::signal(SIGALRM, Bark);
        ::alarm(20);
    }
    ~Watchdog() { ::alarm(0); }
    static void Bark(int /*signal*/) {
        // On standard output, with Qt Test's log: standard error may be captured.
        const char message[] = "FAIL!  : blocked: start-up with the settings file\n";
        [[maybe_unused]] const ssize_t written = ::write(1, message, sizeof message - 1);
        std::abort();
    }
};

// What this process writes to standard error while it lives; Qt Test logs its own messages on
// standard output.
class StderrCapture {
public:
    StderrCapture() : m_saved(::dup(2)) {
        m_file.open();
        std::fflush(stderr);
        ::dup2(m_file.handle(), 2);
    }
    ~StderrCapture() {
        Text();
        ::close(m_saved);
    }

    // Everything written so far; standard error goes back where it was.
    QString Text() {
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        m_file.seek(0);
        return QString::fromLocal8Bit(m_file.readAll());
    }

private:
    QTemporaryFile m_file;
    int m_saved;
};

// The settings file that Qt writes for a recent-file list of the one name.
QByteArray QtWritten(const QString& name) {
    const QTemporaryDir dir;
    QSettings(dir.filePath("written.conf"), QSettings::IniFormat)
        .setValue("Recent File List/File1", name);
    return Contents(dir.filePath("written.conf"));
}

// The recent files as the settings file holds them.
QStringList RecentFiles(const QString& settingsFile) {
    const QSettings settings(settingsFile, QSettings::IniFormat);
    QStringList files;
    for (int n = 1; n <= 5; ++n)
        files << settings.value(QString("Recent File List/File%1").arg(n)).toString();
    files.removeAll(QString());
    return files;
}

// Runs once, when armed, as the next rename of the process begins: another process that swaps
// the file in the moment between Save's first look and its commit, without a race in the test.
std::function<void()> g_atCommit;

template <typename Function> Function* BeforeRename(const char* name) {
    if (g_atCommit) {
        const std::function<void()> swap = std::move(g_atCommit);
        g_atCommit = nullptr;
        swap();
    }
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}
} // namespace

extern "C" int renameat2(int oldDirFd, const char* oldPath, int newDirFd, const char* newPath,
                         unsigned int flags) noexcept {
    return BeforeRename<decltype(renameat2)>("renameat2")(oldDirFd, oldPath, newDirFd, newPath,
                                                          flags);
}

extern "C" int rename(const char* oldPath, const char* newPath) noexcept {
    return BeforeRename<decltype(rename)>("rename")(oldPath, newPath);
}

class TestAppFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;
    const QString m_settings =
        m_config.filePath("Local AppWizard-Generated Applications/Zeltaro.conf");
    QTemporaryDir m_work;
    const QString m_startDir = QDir::currentPath();

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }

    // Each case starts in the folder the test started in, with no settings at all.
    void init() {
        QVERIFY(QDir::setCurrent(m_startDir));
        QDir folder = QFileInfo(m_settings).dir();
        QVERIFY(folder.removeRecursively() && folder.mkpath("."));
    }

    void startsWithTheNamedFileOrNone_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file"); // the document, or none
        QTest::newRow("no file") << QStringList() << QString();
        QTest::newRow("empty argument") << QStringList{""} << QString();
        QTest::newRow("file") << QStringList{"saved game"} << "saved game";
        QTest::newRow("dash after --") << QStringList{"--", "-saved game"} << "-saved game";
    }

    // In the current folder: the title names the file, which is neither read nor changed, and the
    // recent-file list remembers it; no Qt warning is printed on the way.
    void startsWithTheNamedFileOrNone() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        if (!file.isEmpty())
            WriteFile(file, "не е игра");
        QTest::failOnWarning(QRegularExpression("^(?!This plugin does not support)"));
        RunningApp run;
        QVERIFY(run.Start(QStringList{"zeltaro"} + arguments));
        const QString path = file.isEmpty() ? QString() : dir.filePath(file);
        QCOMPARE(run.frame->windowTitle(), (file.isEmpty() ? "Untitled" : file) + " - Zeltaro");
        QCOMPARE(run.app.RecentFiles().Files(), path.isEmpty() ? QStringList() : QStringList{path});
        if (!file.isEmpty())
            QCOMPARE(Contents(path), QByteArray("не е игра"));
    }

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
        QCOMPARE(RecentFiles(m_settings), QStringList{path});
        ModalHand hand;
        run.PressKey(ID_GAME_START);
        run.Take(2);
        run.ChooseFromMenu(ID_APP_EXIT);
        QVERIFY(!run.frame->isVisible() && hand.unexpected.isEmpty() && hand.boxes.isEmpty());
    }

    // Save asks for a name, offering no file type or extension of the program's own, and writes
    // an empty file whatever the game; a path it cannot write is reported and changes nothing.
    void saveWritesAnEmptyFileOrSaysWhyNot() {
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
        QCOMPARE(RecentFiles(m_settings), QStringList());

        // The last four files saved are remembered, the latest first, each once.
        const QString path = m_work.filePath("zeltaro-save");
        for (const char* name : {"a", "b", "c", "zeltaro-save", "d", "c"})
            save(m_work.filePath(name));
        save(path);
        QCOMPARE(Contents(path), QByteArray());
        QCOMPARE(run.frame->windowTitle(), QString("zeltaro-save - Zeltaro"));
        const QStringList latest{path, m_work.filePath("c"), m_work.filePath("d"),
                                 m_work.filePath("b")};
        QCOMPARE(RecentFiles(m_settings), latest);
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

    void commandLineEndsTheProgram_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("node");   // a node made for the run, its path the last argument
        QTest::addColumn<int>("status");     // the exit status
        QTest::addColumn<QString>("output"); // patterns for standard output and error, in which
        QTest::addColumn<QString>("errors"); // %1 stands for the node's path
        const QString notAFile =
            "^zeltaro: файлът „%1“ не може да бъде отворен: не е обикновен файл\n$";
        const QString usage =
            "^Употреба: \\S*zeltaro \\[опции\\] \\[файл\\]\n.*-reverse.*-v, --version.*„--“";
        const QString version = "^Zeltaro 1\\.0\\.0\\.1\n$";
        QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << usage << "^$";
        QTest::newRow("-h") << QStringList{"-h"} << "" << 0 << usage << "^$";
        QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << version << "^$";
        QTest::newRow("-v") << QStringList{"-v"} << "" << 0 << version << "^$";
        QTest::newRow("Qt's options")
            << QStringList{"-platform", "offscreen", "-style", "fusion", "-reverse", "-v"} << ""
            << 0 << version << "^$";
        QTest::newRow("unknown option")
            << QStringList{"-x"} << "" << 1 << "^$"
            << "^zeltaro: Непозната опция „x“.\nВижте „zeltaro --help“.\n$";
        QTest::newRow("two files") << QStringList{"a", "b"} << "" << 1 << "^$"
                                   << "^zeltaro: най-много един файл, не 2\n";
        QTest::newRow("missing file") << QStringList{"missing"} << "" << 1 << "^$"
                                      << "^zeltaro: файлът „missing“ не може да бъде отворен: ";
        for (const auto& [tag, node] : {std::pair("FIFO", "fifo"),
                                        {"device", "device"},
                                        {"socket", "socket"},
                                        {"folder", "folder"},
                                        {"link to a FIFO", "link to fifo"}})
            QTest::newRow(tag) << QStringList() << node << 1 << "^$" << notAFile;
        QTest::newRow("no display") << QStringList() << "" << 1 << "^$"
                                    << "^zeltaro: there is no display .*run zeltaro-vnc\n$";
    }

    // The real program, which must end by itself: a FIFO without a writer or a device is never
    // opened for reading, so the run cannot hang on it. The help and the version need no display,
    // and the game without arguments is told it has none.
    void commandLineEndsTheProgram() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, node);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, errors);
        QTemporaryDir dir;
        const QString path = dir.filePath("node");
        if (!node.isEmpty()) {
            if (!MakeNode(node, path))
                QSKIP("this account may not make the node");
            arguments << path;
        }
        const QString identity = Identity(path);
        QProcess program;
        program.setWorkingDirectory(dir.path());
        if (status == 0 || arguments.isEmpty()) { // these runs have no display
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(name);
            program.setProcessEnvironment(environment);
        }
        program.start(ZELTARO_EXECUTABLE, arguments);
        if (!program.waitForFinished(20000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program did not end");
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        const auto matches = [&](const QString& pattern, const QString& text) {
            return QRegularExpression(pattern.arg(QRegularExpression::escape(path)),
                                      QRegularExpression::DotMatchesEverythingOption)
                .match(text)
                .hasMatch();
        };
        QVERIFY2(matches(output, out), qPrintable(out));
        QVERIFY2(matches(errors, err), qPrintable(err));
        QCOMPARE(Identity(path), identity);
    }

    void saveRefusesWhatIsNotAFile_data() {
        QTest::addColumn<QString>("node");     // what is at the name when Save looks, if anything
        QTest::addColumn<bool>("swappedFifo"); // a FIFO takes the file's place as Save commits
        for (const char* node : {"device", "fifo", "socket", "folder", "link to device",
                                 "link to fifo", "link to folder"})
            QTest::newRow(node) << node << false;
        QTest::newRow("file, FIFO swapped in") << "file" << true;
        QTest::newRow("link to a file, FIFO swapped in") << "link to file" << true;
        QTest::newRow("new name, FIFO swapped in") << "" << true;
    }

    // Save would put a regular file in place of the node: it says why not, naming the file, and
    // leaves the node and the document as they were, also when the node takes the file's place in
    // the moment between Save's first look and its commit.
    void saveRefusesWhatIsNotAFile() {
        QFETCH(QString, node);
        QFETCH(bool, swappedFifo);
        QTemporaryDir dir;
        const QString path = dir.filePath("node");
        if (!node.isEmpty() && !MakeNode(node, path))
            QSKIP("this account may not make the node");
        QString identity = Identity(path);
        if (swappedFifo) {
            g_atCommit = [&] {
                const QString target = QFileInfo(path).isSymLink() ? path + ".target" : path;
                QVERIFY(!QFile::exists(target) || QFile::remove(target));
                QVERIFY(MakeNode("fifo", target));
                identity = Identity(path);
            };
        }
        RunningApp run;
        QVERIFY(run.Start());
        ModalHand hand;
        hand.okBoxes = true;
        QVERIFY(!run.app.Document()->DoSave(path));
        QVERIFY(!g_atCommit);
        QCOMPARE(hand.boxes, QStringList("Zeltaro: Файлът „" + path +
                                         "“ не може да бъде записан.\nне е обикновен файл"));
        QCOMPARE(Identity(path), identity);
        const QDir::Filters all =
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(dir.path()).entryList(all), QDir(dir.path()).entryList({"node*"}, all));
        QCOMPARE(run.frame->windowTitle(), QString("Untitled - Zeltaro"));
        QCOMPARE(run.app.RecentFiles().Files(), QStringList());
    }

    void settingsFileIsNeverLostNorWaitedOn_data() {
        QTest::addColumn<QString>("node");           // what the settings file is, or a plain file
        QTest::addColumn<QByteArray>("content");     // what the file, or the one linked to, holds
        QTest::addColumn<bool>("keptBefore");        // a copy kept on an earlier run is in the way
        QTest::addColumn<QString>("said");           // on standard error; %1 is the settings file
        QTest::addColumn<QStringList>("remembered"); // the recent files read at start-up
        QTest::addColumn<bool>("written");           // the document opened reaches the file
        const QByteArray valid = "[Recent%20File%20List]\nFile1=/old\n";
        // A quote that is never closed swallows the section after it; a stray word is dropped.
        const QByteArray binary = "\x01\x02\"\xff\n[Recent%20File%20List]\nFile1=/old\n";
        const QByteArray word = "Recent\n[Recent%20File%20List]\nFile1=/old\n";
        const QString notAFile =
            "настройките не се четат и не се записват: „%1“ не е обикновен файл";
        const QString kept = "файлът с настройки „%1“ не може да бъде разчетен; запазен е като "
                             "„%1.unreadable“";
        for (const auto& [tag, node] :
             {std::pair("FIFO", "fifo"), {"device", "device"}, {"link to a FIFO", "link to fifo"}})
            QTest::newRow(tag) << node << QByteArray() << false << notAFile << QStringList()
                               << false;
        QTest::newRow("file") << "" << valid << false << "" << QStringList("/old") << true;
        QTest::newRow("link to a file")
            << "link to file" << valid << false << "" << QStringList("/old") << true;
        QTest::newRow("binary line") << "" << binary << false << kept << QStringList() << true;
        QTest::newRow("stray word") << "" << word << false << kept << QStringList("/old") << true;
        QTest::newRow("kept copy in the way")
            << "" << word << true << QString(kept).replace("unreadable“", "unreadable.2“")
            << QStringList("/old") << true;
        // Names that Qt writes in quotes, or as they are: its own file is read whole.
        const std::pair<const char*, const char16_t*> odd[] = {
            {"ends in \\ and holds ,", u"/a,b\\"}, {"ends in \\ and holds ;", u"/a;b\\"},
            {"ends in \\ and holds =", u"/a=b\\"}, {"holds U+007F", u"/a\x7fz"},
            {"holds U+0085", u"/a\x85z"},          {"holds U+009B", u"/a\x9bz"}};
        for (const auto& [tag, name] : odd) {
            QTest::newRow(tag) << "" << QtWritten(QString::fromUtf16(name)) << false << ""
                               << QStringList(QString::fromUtf16(name)) << true;
        }
    }

    // Start-up with a document, which the recent-file list takes in at once, then once more
    // without: the settings file is read and written through a link, is never waited on, and a file
    // that Qt would not write back as it is, having read it, is copied aside once, beside any copy
    // made before, and is then what Qt read of it.
    void settingsFileIsNeverLostNorWaitedOn() {
        QFETCH(QString, node);
        QFETCH(QByteArray, content);
        QFETCH(bool, keptBefore);
        QFETCH(QString, said);
        QFETCH(QStringList, remembered);
        QFETCH(bool, written);
        if (!node.isEmpty() && !MakeNode(node, m_settings))
            QSKIP("this account may not make the node");
        if (!content.isEmpty())
            WriteFile(node.isEmpty() ? m_settings : m_settings + ".target", content);
        const QString keptCopy = m_settings + ".unreadable";
        if (keptBefore)
            WriteFile(keptCopy, "kept before");
        const QString identity = Identity(m_settings);
        QTemporaryDir dir;
        const QString document = dir.filePath("game");
        WriteFile(document, "");
        // What a start said on standard error, then the recent files it read.
        const auto start = [](const QStringList& arguments) {
            RunningApp run;
            StderrCapture capture;
            const Watchdog watchdog;
            const bool bStarted = run.Start(arguments);
            return QStringList(capture.Text()) +
                   (bStarted ? run.app.RecentFiles().Files() : QStringList("(no window)"));
        };

        const QString told = said.isEmpty() ? said : "zeltaro: " + said.arg(m_settings) + "\n";
        const QStringList first = QStringList{told, document} + remembered;
        QCOMPARE(start(QStringList{"zeltaro", document}), first);
        if (node.startsWith("link")) // still the same link, whatever became of its target
            QCOMPARE(Identity(m_settings).section(" -> ", 0, 0), identity.section(" -> ", 0, 0));
        if (written) {
            const QSettings settings(m_settings, QSettings::IniFormat);
            QCOMPARE(settings.value("Recent File List/File1").toString(), document);
        } else if (node.isEmpty()) {
            QCOMPARE(Contents(m_settings), content);
        } else {
            QCOMPARE(Identity(m_settings), identity);
        }
        // The next start finds the file as this one left it and says nothing of a file it wrote.
        const QStringList again =
            written ? QStringList{QString(), document} + remembered : QStringList(told);
        QCOMPARE(start(QStringList("zeltaro")), again);
        QByteArrayList copies;
        for (const QString& copy : QDir(QFileInfo(m_settings).path()).entryList({"*.unreadable*"}))
            copies << copy.toUtf8() + ": " + Contents(QFileInfo(m_settings).dir().filePath(copy));
        QByteArrayList expected;
        if (keptBefore)
            expected << "Zeltaro.conf.unreadable: kept before";
        if (said.contains("unreadable"))
            expected << "Zeltaro.conf.unreadable" + QByteArray(keptBefore ? ".2" : "") + ": " +
                            content;
        QCOMPARE(copies, expected);
    }
};

QTEST_MAIN(TestAppFiles)
#include "test_app_files.moc"
