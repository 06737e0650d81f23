// What `cmake --install` lays out: the program, its rules where the About box finds them, the
// manual page, the menu entry, the description for software centres and the icons, each as the
// desktop wants it.
#include "app/qt/Zeltaro.h"
#include "platform/qt/QtShell.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral("org.zeltaro.Zeltaro");

// Runs a program to its end: its exit code (-1 if it could not run) and what it printed.
int Run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key in a desktop entry or the text of an element: the first match's capture.
QString Find(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

// The large icons' design on a 32 by 32 grid: three rows of three discs, 4 out to the outside
// of their dark rim, the top right one already taken.
bool IsDark(const QImage& image, double x, double y) {
    return image.pixelColor(int(x), int(y)).lightness() < 110;
}

} // namespace

class TestInstalledFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        QString output;
        QVERIFY2(
            Run(ZELTARO_CMAKE, {"--install", ZELTARO_BUILD_DIR, "--prefix", Usr("")}, &output) == 0,
            qPrintable(output));
    }

    // A game goes to games/, as Debian has it; the About box looks for the rules in the data
    // folder beside the program's own folder.
    void programAndRulesAreInPlace() {
        QVERIFY(QFileInfo(Usr("games/zeltaro")).isExecutable());
        QCOMPARE(Read(Usr("games/../share/zeltaro/HelpZeltaro.txt")),
                 Read(ZELTARO_SOURCE_DIR "/app/HelpZeltaro.txt"));
        QVERIFY(!Read(Usr("share/zeltaro/HelpZeltaro.txt")).isEmpty());
    }

    void manualPageReads_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("menuItem");
        QTest::newRow("Unicode terminal") << QString("C.UTF-8") << "“старт”";
        QTest::newRow("ASCII terminal") << QString("C") << "\"start\"";
    }
    // `man zeltaro` finds the page under the prefix and shows it without a warning from the
    // formatter: the game's Bulgarian words in Cyrillic where the terminal has it, in Latin
    // letters where it has not.
    void manualPageReads() {
        QFETCH(QString, locale);
        QFETCH(QString, menuItem);
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MANPATH", Usr("share/man"));
        env.insert("LC_ALL", locale);
        man.setProcessEnvironment(env);
        man.start("man", {"--warnings=w", "zeltaro"}); // every warning, as groff -ww
        QVERIFY2(man.waitForFinished(60000), "man did not run; scripts/deps installs it");
        const QString warnings = QString::fromUtf8(man.readAllStandardError());
        QVERIFY2(man.exitCode() == 0 && warnings.isEmpty(), qPrintable(warnings));
        const QString page = QString::fromUtf8(man.readAllStandardOutput());
        QVERIFY2(page.contains("take-away game") && page.contains(menuItem), qPrintable(page));
    }

    // The desktop's own checkers, strict: not even a hint.
    void validatorsAccept_data() {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("desktop entry") << QStringList{"desktop-file-validate", Entry()};
        QTest::newRow("metainfo") << QStringList{"appstreamcli", "validate", "--no-net",
                                                 Metainfo()};
    }
    void validatorsAccept() {
        QFETCH(QStringList, command);
        QString output;
        const int code = Run(command.takeFirst(), command, &output);
        QVERIFY2(code != -1, "the checker did not run; scripts/deps installs it");
        QVERIFY2(code == 0 && !output.contains("hint"), qPrintable(output));
    }

    // A menu files the entry by its categories, starts the installed program and shows the
    // installed icon; a Wayland desktop finds the running game's entry by the name it gives.
    void entryStartsTheGameFromTheGamesMenu() {
        const QString entry = Read(Entry());
        QCOMPARE(Find(entry, "^Categories=(.*)$"), QStringLiteral("Game;BoardGame;"));
        QCOMPARE(Find(entry, "^Exec=(\\S+)"), Usr("games/zeltaro"));
        QCOMPARE(Find(entry, "^Icon=(.*)$"), kAppId);
        for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
            QVERIFY2(!QImage(Icon(size)).isNull(), size);
        QVERIFY(QFileInfo(Usr("share/icons/hicolor/scalable/apps/" + kAppId + ".svg")).size() > 0);
        QtShell shell;
        CZeltaroApp app(shell);
        QVERIFY(app.InitInstance({QStringLiteral("zeltaro")}));
        QCOMPARE(QGuiApplication::desktopFileName(), kAppId);
    }

    // The software centre's description names the same game, release and screenshot.
    void metainfoDescribesThisRelease() {
        const QString xml = Read(Metainfo());
        QCOMPARE(Find(xml, "<id>(.*)</id>"), kAppId);
        QCOMPARE(Find(xml, "<launchable type=\"desktop-id\">(.*)</launchable>"),
                 kAppId + ".desktop");
        QCOMPARE(Find(xml, "<binary>(.*)</binary>"), QStringLiteral("zeltaro"));
        QCOMPARE(Find(xml, "<release version=\"([^\"]*)\""), QStringLiteral(ZELTARO_VERSION));
        const QString shot = Find(xml, "<image>https://.*/([^/]*)</image>");
        QVERIFY(QImage(ZELTARO_SOURCE_DIR "/resources/desktop/screenshots/" + shot).width() >= 620);
    }

    void iconsFollowTheDesign_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }
    // The small sizes are the program's own pictures; the large ones are drawn to their design.
    void iconsFollowTheDesign() {
        QFETCH(int, size);
        const QImage image =
            QImage(Icon(QString("%1x%1").arg(size))).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        if (size <= 32) {
            const QImage own(
                QString(ZELTARO_SOURCE_DIR "/resources/images/zeltaro-%1.xpm").arg(size));
            QCOMPARE(image, own.convertToFormat(QImage::Format_ARGB32));
            return;
        }
        const double s = size / 32.0;
        for (double cy : {7.0, 16.0, 25.0}) {
            for (double cx : {7.0, 16.0, 25.0}) {
                const bool taken = cy == 7 && cx == 25;
                QCOMPARE(image.pixelColor(int(cx * s), int(cy * s)),
                         taken ? QColor(Qt::white) : QColor(128, 128, 128));
                QVERIFY(IsDark(image, (cx + 3.5) * s, cy * s) &&
                        IsDark(image, cx * s, (cy - 3.5) * s));
                QVERIFY(!IsDark(image, (cx + 4.5) * s, cy * s));
            }
        }
        QVERIFY(IsDark(image, 0, size / 2) && IsDark(image, size - 1, size / 2));
    }

private:
    QString Usr(const QString& path) const { return m_root.filePath("usr/" + path); }
    QString Entry() const { return Usr("share/applications/" + kAppId + ".desktop"); }
    QString Metainfo() const { return Usr("share/metainfo/" + kAppId + ".metainfo.xml"); }
    QString Icon(const QString& size) const {
        return Usr("share/icons/hicolor/" + size + "/apps/" + kAppId + ".png");
    }

    QTemporaryDir m_root;
};

QTEST_MAIN(TestInstalledFiles)
#include "test_installed_files.moc"
