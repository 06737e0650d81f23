// The yardstick of the start-up benchmark: a bare Qt main window, built like the game. With
// --text it shows one word as well, which tells how much of the game's cost is that of
// showing any text at all (the font database is set up on first use).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Zeltaro"), &window));
    window.show();
    return QApplication::exec();
}
