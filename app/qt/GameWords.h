// Qt's words that the game keeps as its own, whatever language the desktop speaks.
#pragma once

#include <QTranslator>

// Installed after Qt's own translations, it is asked before them. It answers Qt's names of keys
// ("Ctrl", "Shift") with the names themselves, so that the key after each menu item reads as
// the game's menu texts give it, and gives the command line's help and complaints in the game's
// language. The rest of what Qt says follows the desktop.
class GameWords final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};
