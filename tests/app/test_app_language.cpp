// The program on a Bulgarian desktop: the texts that Qt supplies follow the desktop, the
// game's own texts stay as they are.
#include "support/RunningApp.h"

#include <cstdlib>

namespace {

// A Bulgarian desktop, set up before the application starts. Few systems have the locale
// itself, so it is made in a scratch folder that the C library is told to look in.
bool MakeBulgarianDesktop() {
    static const QTemporaryDir locales;
    const QByteArray folder = QFile::encodeName(locales.path());
    qputenv("LOCPATH", folder);
    qputenv("LANG", "bg_BG.UTF-8");
    for (const char* overriding : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(overriding);
    const QByteArray make = "localedef -i bg_BG -f UTF-8 '" + folder + "/bg_BG.UTF-8'";
    return locales.isValid() && std::system(make.constData()) == 0;
}
const bool kBulgarian = MakeBulgarianDesktop();

QStringList ButtonTexts(const QWidget* w) {
    QStringList texts;
    for (const QPushButton* button : w->findChildren<QPushButton*>())
        texts << button->text();
    return texts;
}

} // namespace

class TestAppLanguage : public QObject {
    Q_OBJECT
    QTemporaryDir m_work;

private slots:
    void initTestCase() {
        QVERIFY2(kBulgarian, "the Bulgarian locale could not be made with localedef");
    }

    // Save (Ctrl+S) over a file that exists: the file dialog's buttons and its question before
    // replacing the file are Qt's, in Bulgarian; the menu and the idle message are the game's.
    void qtTextsFollowTheDesktop() {
        const QString existing = m_work.filePath("игра");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        RunningApp run;
        QVERIFY(run.Start());
        ModalHand hand;
        QStringList texts;
        hand.Then([&](QWidget* w) {
            auto* dialog = static_cast<QFileDialog*>(w);
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
        texts << hand.boxes << run.frame->menuBar()->actions().front()->text()
              << run.frame->MessageText();
        QCOMPARE(texts, QStringList({"&Запазване", "Отказ", "&Да", "&Не",
                                     "Запиши като: игра вече съществува.\n"
                                     "Искате ли да го замените?",
                                     "Игра", "Ready"}));
    }
};

QTEST_MAIN(TestAppLanguage)
#include "test_app_language.moc"
