// The words the game gives Qt in place of its translations.
#include "GameWords.h"

namespace {

struct Word {
    const char* english;
    const char* bulgarian;
};

// The command-line parser's headings of the help and its complaints.
const Word kParserWords[] = {
    {"Usage: %1", "Употреба: %1"},
    {"[options]", "[опции]"},
    {"Options:", "Опции:"},
    {"Arguments:", "Аргументи:"},
    {"Unknown option '%1'.", "Непозната опция „%1“."},
    {"Unknown options: %1.", "Непознати опции: %1."},
    {"Unexpected value after '%1'.", "Неочаквана стойност след „%1“."},
};

} // namespace

QString GameWords::translate(const char* context, const char* sourceText,
                             const char* /*disambiguation*/, int /*n*/) const {
    // Qt names the keys of a shortcut in this context when it shows one to the user.
    if (qstrcmp(context, "QShortcut") == 0)
        return QString::fromUtf8(sourceText);
    if (qstrcmp(context, "QCommandLineParser") == 0) {
        for (const Word& word : kParserWords) {
            if (qstrcmp(sourceText, word.english) == 0)
                return QString::fromUtf8(word.bulgarian);
        }
    }
    return QString();
}
