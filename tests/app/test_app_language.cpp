// The program on desktops in other languages: the texts that Qt supplies, and the direction of
// its dialogs, follow the desktop; the game's own texts, its menus' keys included, and the
// left-to-right layout of its windows stay as they are, unless Qt's -reverse asks otherwise.
#include "support/RunningApp.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Set in the process that runs one row; the test's own process starts one such for each row.
const char kRowVariable[] = "ZELTARO_LANGUAGE_ROW";

// The desktops' locales. Few systems have them, so they are made in a scratch folder that the
// C library of every row's process is told to look in.
bool MakeLocales() {
    if (qEnvironmentVariableIsSet(kRowVariable))
        return true;
    static const QTemporaryDir locales;
    const QByteArray folder = QFile::encodeName(locales.path());
    qputenv("LOCPATH", folder);
    for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(overriding);
    for (const QByteArray name : {"bg_BG", "de_DE", "fa_IR"}) {
        const QByteArray make =
            "localedef -i " + name + " -f UTF-8 '" + folder + '/' + name + ".UTF-8'";
        if (!locales.isValid() || std::system(make.constData()) != 0)
            return false;
    }
    return true;
}
const bool kLocales = MakeLocales();

QStringList ButtonTexts(const QWidget* w) {
    QStringList texts;
    for (const QPushButton* button : w->findChildren<QPushButton*>())
        texts << button->text();
    return texts;
}

// The menus as the style is asked to paint them: each title as "title:", each item's text with
// its key after the tab, a separator as "-"; and the directions the items are painted in.
class PaintedMenus final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr && element == CE_MenuBarItem)
            titles << item->text + ':';
        // Combo boxes paint the entries of their lists as menu items too.
        if (item != nullptr && element == CE_MenuItem && qobject_cast<const QMenu*>(widget)) {
            items << (item->menuItemType == QStyleOptionMenuItem::Separator ? "-" : item->text);
            directions.insert(option->direction);
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QStringList titles, items;
    mutable QSet<Qt::LayoutDirection> directions;
};

// The menus of the running program, opened one by one as the player does, and painted.
QStringList PaintMenus(const RunningApp& run, PaintedMenus& style) {
    QMenuBar* bar = run.frame->menuBar();
    style.titles.clear();
    bar->grab();
    const QStringList titles = style.titles;
    QStringList painted;
    for (int i = 0; i < bar->actions().size(); ++i) {
        QMenu* menu = bar->actions().at(i)->menu();
        menu->popup(run.frame->mapToGlobal(QPoint(10, 10)));
        const bool bShown = QTest::qWaitForWindowExposed(menu);
        style.items.clear();
        if (bShown)
            menu->grab();
        menu->hide();
        painted << titles.value(i) << style.items;
    }
    return painted;
}

} // namespace

class TestAppLanguage : public QObject {
    Q_OBJECT
    QTemporaryDir m_work;

private slots:
    void initTestCase() { QVERIFY2(kLocales, "the locales could not be made with localedef"); }

    void gameStaysAsItIsQtFollowsTheDesktop_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QStringList>("arguments"); // Qt's own options
        QTest::addColumn<QStringList>("qtTexts");   // Save's buttons, its question and its buttons
        QTest::addColumn<QString>("qtDirection");   // Qt's dialogs: LTR or RTL
        QTest::addColumn<QString>("gameDirection"); // the window, its menus, board and dialogs
        const QStringList bg = {"&Запазване", "Отказ", "&Да", "&Не",
                                "Запиши като: игра вече съществува.\nИскате ли да го замените?"};
        // clang-format off
        QTest::newRow("bg") << QByteArray("bg_BG.UTF-8") << QStringList() << bg << "LTR" << "LTR";
        QTest::newRow("de") << QByteArray("de_DE.UTF-8") << QStringList()
                            << QStringList{"S&peichern", "Abbrechen", "&Ja", "&Nein",
                                           "Запиши като: Die Datei игра existiert bereits.\n"
                                           "Soll sie überschrieben werden?"} << "LTR" << "LTR";
        QTest::newRow("fa") << QByteArray("fa_IR.UTF-8") << QStringList()
                            << QStringList{"&ذخیره", "انصراف", "&بله", "&نه",
                                           "Запиши като: игра از قبل موجود است.\n"
                                           "آیا مایل هستید جایگزین شود؟"} << "RTL" << "LTR";
        QTest::newRow("bg -reverse") << QByteArray("bg_BG.UTF-8") << QStringList("-reverse") << bg
                                     << "RTL" << "RTL";
        // clang-format on
    }

    // Save (Ctrl+S) over a file that exists: the file dialog's buttons and its question before
    // replacing it are Qt's; the menus, painted, read as the game's table gives them. Qt reads
    // the desktop's language and its own options once in a process: each row runs in its own.
    void gameStaysAsItIsQtFollowsTheDesktop() {
        QFETCH(QByteArray, locale);
        QFETCH(QStringList, arguments);
        QFETCH(QString, qtDirection);
        QFETCH(QString, gameDirection);
        if (!qEnvironmentVariableIsSet(kRowVariable)) {
            QProcess row;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("LANG", locale);
            environment.insert(kRowVariable, QTest::currentDataTag());
            row.setProcessEnvironment(environment);
            row.setProcessChannelMode(QProcess::MergedChannels);
            row.start(QCoreApplication::applicationFilePath(),
                      arguments << QString("%1:%2").arg(QTest::currentTestFunction(),
                                                        QTest::currentDataTag()));
            QVERIFY(row.waitForFinished(60000));
            if (row.exitCode() != 0)
                std::fputs(row.readAll().constData(), stdout);
            QCOMPARE(row.exitCode(), 0);
            return;
        }
        const auto direction = [](const QWidget* w) { return w->isRightToLeft() ? "RTL" : "LTR"; };
        const QString existing = m_work.filePath("игра");
        WriteFile(existing, "");
        auto* style = new PaintedMenus;
        QApplication::setStyle(style);
        RunningApp run;
        QVERIFY(run.Start());
        ModalHand hand;
        QStringList texts;
        QStringList directions{direction(run.frame), direction(run.frame->ViewWindow())};
        hand.Then([&](QWidget* w) {
            directions << direction(w);
            w->close();
        });
        run.PressKey(ID_GAME_SETTINGS);
        hand.Then([&](QWidget* w) {
            auto* dialog = static_cast<QFileDialog*>(w);
            directions << direction(dialog);
            texts << ButtonTexts(dialog->findChild<QDialogButtonBox*>());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(existing);
            static_cast<QDialog*>(dialog)->accept(); // the Save button: asks, and hears No
            dialog->reject();
        });
        hand.Then([&](QWidget* w) {
            auto* box = static_cast<QMessageBox*>(w);
            texts << ButtonTexts(box);
            box->button(QMessageBox::No)->click();
        });
        run.PressKey(ID_FILE_SAVE);
        QVERIFY(hand.Done() && hand.unexpected.isEmpty());
        texts << hand.boxes;
        QTEST(texts, "qtTexts");
        QCOMPARE(PaintMenus(run, *style), MenuTable());
        for (const Qt::LayoutDirection painted : style->directions)
            directions << (painted == Qt::RightToLeft ? "RTL" : "LTR");
        QCOMPARE(directions, QStringList({gameDirection, gameDirection, gameDirection, qtDirection,
                                          gameDirection}));
        // The board's labels are painted the window's way, whatever the application's.
        run.PressKey(ID_GAME_START);
        const QImage board = run.frame->ViewWindow()->grab().toImage();
        QGuiApplication::setLayoutDirection(gameDirection == "RTL" ? Qt::RightToLeft
                                                                   : Qt::LeftToRight);
        QCOMPARE(run.frame->ViewWindow()->grab().toImage(), board);
    }
};

QTEST_MAIN(TestAppLanguage)
#include "test_app_language.moc"
