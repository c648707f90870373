#include "platform/qt/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace platform::qt {

void substituteMissingFonts() {
    struct Substitute {
        const char* family;
        QStringList standIns;
    };
    // Tahoma is a narrow Verdana; DejaVu Sans descends from Verdana's design.
    const Substitute substitutes[] = {
        {"Tahoma", {"DejaVu Sans Condensed", "Liberation Sans", "Arial", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans", "Arial"}},
    };
    for (const Substitute& substitute : substitutes) {
        const QString family = QString::fromLatin1(substitute.family);
        if (QFontDatabase::hasFamily(family))
            continue;
        QStringList available;
        for (const QString& standIn : substitute.standIns) {
            if (QFontDatabase::hasFamily(standIn))
                available << standIn;
        }
        if (!available.isEmpty())
            QFont::insertSubstitutions(family, available);
    }
}

}  // namespace platform::qt
