// What `cmake --install` lays out: the program, its rules where the About box finds them, the
// menu entry, the description for software centres and the icons, each as the desktop wants it.
#include "app/Zeltaro.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

namespace {

const QString kAppId = QStringLiteral("org.zeltaro.Zeltaro");

// Runs a program to its end; its exit code, and what it printed.
int Run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output != nullptr)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The keys of the desktop entry's main group.
QMap<QString, QString> ReadDesktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inMainGroup && eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

// What the metainfo says about the component.
struct Metainfo {
    QString id, launchable, binary, release, licence;
    QStringList images;
};

Metainfo ReadMetainfo(const QString& path) {
    Metainfo m;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return m;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"release") {
            m.release = xml.attributes().value(QLatin1String("version")).toString();
            continue;
        }
        if (name == u"id")
            m.id = xml.readElementText();
        else if (name == u"launchable")
            m.launchable = xml.readElementText();
        else if (name == u"binary")
            m.binary = xml.readElementText();
        else if (name == u"project_license")
            m.licence = xml.readElementText();
        else if (name == u"image")
            m.images << xml.readElementText();
    }
    return xml.hasError() ? Metainfo{} : m;
}

struct SvgCircle {
    QPointF centre;
    double r;
    QColor fill;
};

// The scalable icon's grid size and its discs.
bool ReadSvg(const QString& path, double* grid, std::vector<SvgCircle>* circles) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        auto number = [&a](const char* key) { return a.value(QLatin1String(key)).toDouble(); };
        if (xml.name() == u"svg") {
            const QStringList box = a.value(QLatin1String("viewBox")).toString().split(' ');
            *grid = box.size() == 4 ? box[2].toDouble() : 0;
        } else if (xml.name() == u"circle") {
            circles->push_back({QPointF(number("cx"), number("cy")), number("r"),
                                QColor(a.value(QLatin1String("fill")).toString())});
        }
    }
    return !xml.hasError();
}

// The pixel that holds the point.
QColor At(const QImage& image, QPointF at) {
    return image.pixelColor(int(std::floor(at.x())), int(std::floor(at.y())));
}

bool IsDark(const QImage& image, QPointF at) { return At(image, at).lightness() < 110; }

} // namespace

class TestInstalledFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void laysOutEveryFile_data();
    void laysOutEveryFile();
    void rulesAreWhereTheProgramLooks();
    void validatorsAccept_data();
    void validatorsAccept();
    void entryPutsTheGameInTheGamesMenu();
    void entryAndMetainfoNameTheSameGame();
    void programNamesItsMenuEntry();
    void smallIconsAreTheProgramsOwn_data();
    void smallIconsAreTheProgramsOwn();
    void largeIconsFollowTheScalableOne_data();
    void largeIconsFollowTheScalableOne();
    void screenshotShipsWithTheSources();

private:
    QString Installed(const QString& path) const { return m_root.filePath("usr/" + path); }
    QString Entry() const { return Installed("share/applications/" + kAppId + ".desktop"); }
    QString MetainfoFile() const { return Installed("share/metainfo/" + kAppId + ".metainfo.xml"); }
    QString Icon(const QString& size, const char* extension = ".png") const {
        return Installed("share/icons/hicolor/" + size + "/apps/" + kAppId + extension);
    }

    QTemporaryDir m_root;
};

void TestInstalledFiles::initTestCase() {
    QVERIFY(m_root.isValid());
    QString output;
    const int code =
        Run(QStringLiteral(ZELTARO_CMAKE),
            {"--install", ZELTARO_BUILD_DIR, "--prefix", m_root.filePath("usr")}, &output);
    QVERIFY2(code == 0, qPrintable(output));
}

void TestInstalledFiles::laysOutEveryFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << "bin/zeltaro" << true;
    QTest::newRow("rules") << "share/zeltaro/HelpZeltaro.txt" << false;
    QTest::newRow("menu entry") << "share/applications/" + kAppId + ".desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/" + kAppId + ".metainfo.xml" << false;
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
        QTest::newRow(size) << "share/icons/hicolor/" + QLatin1String(size) + "/apps/" + kAppId +
                                   ".png"
                            << false;
    }
    QTest::newRow("scalable") << "share/icons/hicolor/scalable/apps/" + kAppId + ".svg" << false;
}

void TestInstalledFiles::laysOutEveryFile() {
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(Installed(path));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

// The About box falls back on the copy in the data folder beside the program's own folder,
// for a program started from the menu in the home folder.
void TestInstalledFiles::rulesAreWhereTheProgramLooks() {
    const QDir programDir = QFileInfo(Installed("bin/zeltaro")).dir();
    QFile installed(programDir.filePath("../share/zeltaro/HelpZeltaro.txt"));
    QFile shipped(QStringLiteral(ZELTARO_SOURCE_DIR "/app/HelpZeltaro.txt"));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(installed.readAll(), shipped.readAll());
}

// The desktop's own checkers, strict: not even a hint.
void TestInstalledFiles::validatorsAccept_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop-file-validate") << "desktop-file-validate" << QStringList{} << Entry();
    QTest::newRow("appstreamcli") << "appstreamcli" << QStringList{"validate", "--no-net"}
                                  << MetainfoFile();
}

void TestInstalledFiles::validatorsAccept() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QString output;
    const int code = Run(program, arguments << file, &output);
    QVERIFY2(code != -1, qPrintable(program + " did not run; scripts/deps installs it"));
    QVERIFY2(code == 0, qPrintable(output));
    if (program == QLatin1String("desktop-file-validate"))
        QVERIFY2(output.trimmed().isEmpty(), qPrintable(output));
}

// A menu files the entry by its main category; the entry starts the installed program and shows
// the installed icon.
void TestInstalledFiles::entryPutsTheGameInTheGamesMenu() {
    const QMap<QString, QString> entry = ReadDesktopEntry(Entry());
    QCOMPARE(entry.value("Type"), QStringLiteral("Application"));
    QCOMPARE(entry.value("Name"), QStringLiteral("Zeltaro"));
    const QStringList categories = entry.value("Categories").split(';', Qt::SkipEmptyParts);
    QVERIFY(categories.contains("Game"));
    QVERIFY(categories.contains("BoardGame"));
    for (const char* key : {"Name[bg]", "Comment", "Comment[bg]"})
        QVERIFY2(!entry.value(key).isEmpty(), key);
    QVERIFY(entry.value("NoDisplay") != QLatin1String("true"));

    const QString program = entry.value("Exec").split(' ').value(0);
    QCOMPARE(program, QStringLiteral("zeltaro"));
    QVERIFY(QFileInfo(Installed("bin/" + program)).isExecutable());
    QCOMPARE(entry.value("Icon"), kAppId);
    QVERIFY(QFileInfo::exists(Icon("48x48")));
}

void TestInstalledFiles::entryAndMetainfoNameTheSameGame() {
    const Metainfo m = ReadMetainfo(MetainfoFile());
    QCOMPARE(m.id, kAppId);
    QCOMPARE(m.launchable, QFileInfo(Entry()).fileName());
    QCOMPARE(m.binary, QStringLiteral("zeltaro"));
    QCOMPARE(m.release, QStringLiteral(ZELTARO_VERSION));
    QCOMPARE(m.licence, QStringLiteral("MIT"));
}

// Wayland desktops find the running game's entry, and its icon, by the name the program gives.
void TestInstalledFiles::programNamesItsMenuEntry() {
    CZeltaroApp app;
    QVERIFY(app.InitInstance({QStringLiteral("zeltaro")}));
    QCOMPARE(QGuiApplication::desktopFileName() + ".desktop", QFileInfo(Entry()).fileName());
}

void TestInstalledFiles::smallIconsAreTheProgramsOwn_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
}

void TestInstalledFiles::smallIconsAreTheProgramsOwn() {
    QFETCH(int, size);
    const QImage own(
        QStringLiteral(ZELTARO_SOURCE_DIR "/resources/images/zeltaro-%1.xpm").arg(size));
    const QImage installed(Icon(QStringLiteral("%1x%1").arg(size)));
    QCOMPARE(installed.size(), QSize(size, size));
    QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
             own.convertToFormat(QImage::Format_ARGB32));
}

void TestInstalledFiles::largeIconsFollowTheScalableOne_data() {
    QTest::addColumn<int>("size");
    for (int size : {48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

// Each disc of the scalable icon is in the picture: its fill at the centre, its dark rim, the
// board just outside; and the frame runs round the edge.
void TestInstalledFiles::largeIconsFollowTheScalableOne() {
    QFETCH(int, size);
    double grid = 0;
    std::vector<SvgCircle> circles;
    QVERIFY(ReadSvg(Icon("scalable", ".svg"), &grid, &circles));
    QVERIFY(grid > 0);
    QCOMPARE(circles.size(), size_t(9));

    const QImage image(Icon(QStringLiteral("%1x%1").arg(size)));
    QCOMPARE(image.size(), QSize(size, size));
    const double s = size / grid;
    for (const SvgCircle& c : circles) {
        const QPointF centre = c.centre * s;
        QCOMPARE(At(image, centre), c.fill);
        QVERIFY(IsDark(image, centre + QPointF(c.r * s, 0)));
        QVERIFY(IsDark(image, centre - QPointF(0, c.r * s)));
        QVERIFY(!IsDark(image, centre + QPointF((c.r + 1.0) * s, 0)));
    }
    QVERIFY(IsDark(image, QPointF(0, size / 2)));
    QVERIFY(IsDark(image, QPointF(size - 1, size / 2)));
    QVERIFY(!IsDark(image, QPointF(2 * s, 2 * s)));
}

// Software centres fetch the screenshot from the project's site; the picture put there is the
// one kept with the sources.
void TestInstalledFiles::screenshotShipsWithTheSources() {
    const Metainfo m = ReadMetainfo(MetainfoFile());
    QVERIFY(!m.images.isEmpty());
    for (const QString& url : m.images) {
        QVERIFY2(url.startsWith(QLatin1String("https://")), qPrintable(url));
        const QString name = QUrl(url).fileName();
        const QImage shot(QStringLiteral(ZELTARO_SOURCE_DIR "/resources/desktop/screenshots/") +
                          name);
        QVERIFY2(!shot.isNull(), qPrintable(name));
        QVERIFY(shot.width() >= 620);
    }
}

QTEST_MAIN(TestInstalledFiles)
#include "test_installed_files.moc"
