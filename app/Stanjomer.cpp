// Stanjomer: follows the changes in the ownership of one issuer's shares between two
// saved pages of the securities registry.

#include <QApplication>
#include <clocale>

#include "app/Icons.h"
#include "app/Main.h"
#include "export/cxXLSExport.h"
#include "gridexport/cxExportGrid4Link.h"
#include "platform/Clipboard.h"
#include "platform/RegionalSettings.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/QtClipboard.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Numbers are grouped with the thousands separator of the user's locale.
    std::setlocale(LC_ALL, "");
    platform::loadRegionalSettingsFromLocale();

    // The workbook writer registers itself, then the grid export builds its default style.
    cx::InitXLSExportModule();
    cx::InitGridExportModule();

    QApplication::setApplicationName(QStringLiteral("Stanjomer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Stanjomer"));
    QApplication::setWindowIcon(app::programIcon());
    platform::qt::substituteMissingFonts();
    platform::qt::QtClipboard systemClipboard;
    platform::setClipboardBackend(&systemClipboard);

    int status = 0;
    {
        app::TformMain formMain;
        formMain.show();
        status = QApplication::exec();
    }
    platform::setClipboardBackend(nullptr);
    return status;
}
