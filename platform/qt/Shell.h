#pragma once
// The shell's "open" verb: a file, a web address or a "mailto:" address opened with the
// desktop's default program. The result is not reported. Tests install their own opener.

#include <QUrl>
#include <functional>

namespace platform::qt {

using ShellOpener = std::function<void(const QUrl& url)>;

void shellOpen(const QUrl& url);

// Replaces the desktop's opener; an empty function restores it.
void setShellOpener(ShellOpener opener);

}  // namespace platform::qt
