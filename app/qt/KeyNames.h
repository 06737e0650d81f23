// The names of keys as the game's menus write them, whatever language the desktop speaks.
#pragma once

#include <QTranslator>

// Answers Qt's names of keys ("Ctrl", "Shift") with the names themselves. Installed after Qt's
// own translations it is asked before them, so the key after each menu item reads as the game's
// menu texts give it, while the rest of what Qt says follows the desktop.
class KeyNames final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};
