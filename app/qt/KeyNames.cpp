// Key names kept as they are.
#include "KeyNames.h"

QString KeyNames::translate(const char* context, const char* sourceText,
                            const char* /*disambiguation*/, int /*n*/) const {
    // Qt names the keys of a shortcut in this context when it shows one to the user.
    if (qstrcmp(context, "QShortcut") == 0)
        return QString::fromUtf8(sourceText);
    return QString();
}
