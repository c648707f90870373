#include "platform/qt/Shell.h"

#include <QDesktopServices>

namespace platform::qt {
namespace {

ShellOpener& installedOpener() {
    static ShellOpener opener;
    return opener;
}

}  // namespace

void shellOpen(const QUrl& url) {
    if (installedOpener()) {
        installedOpener()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void setShellOpener(ShellOpener opener) {
    installedOpener() = std::move(opener);
}

}  // namespace platform::qt
