#pragma once
// What the widget tests share: the sample pages, generated register pages, answering the
// next modal window from the event loop, and the start-up the program itself runs.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "export/cxXLSExport.h"
#include "gridexport/cxExportGrid4Link.h"
#include "platform/qt/Fonts.h"

namespace apptest {

const std::filesystem::path kSamples = std::filesystem::path(STANJOMER_SOURCE_DIR) / "samples";
const std::filesystem::path kOldSample = kSamples / "staro-stanje.htm";
const std::filesystem::path kNewSample = kSamples / "novo-stanje.htm";
const std::filesystem::path kScreenshots =
    std::filesystem::path(STANJOMER_BINARY_DIR) / "screenshots";

// A register page with the given holders, in the shape the reader expects.
inline std::string page(const std::vector<std::pair<std::string, int>>& holders) {
    std::string out = "<th>% od ukupne emisije</th>\n</tr>\n";
    out.reserve(holders.size() * 64 + 64);
    int ord = 0;
    for (const auto& [name, count] : holders) {
        out += "<tr>\n<td>" + std::to_string(++ord) + ".</td>\n<td>" + name + "</td>\n<td>" +
               std::to_string(count) + "</td>\n<td>0,1</td>\n</tr>\n";
    }
    return out + "<a>[Povratak</a>\n";
}

// The start-up of the program that the windows rely on.
inline void startUp() {
    static const bool done = [] {
        cx::InitXLSExportModule();
        cx::InitGridExportModule();
        platform::qt::substituteMissingFonts();
        return true;
    }();
    (void)done;
}

// Runs `answer` on the next modal window of class T, from the event loop, as a user
// would answer it. `answered` counts the answers given; the watch gives up after 10 s, and
// a window the answer left open is closed after 5 s.
template <class T>
void whenModal(std::function<void(T&)> answer, int* answered = nullptr) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, answered, tries] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (++*tries > 1000) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        // A user answers the window that has the focus.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the modal window did not become active");
        if (answered)
            ++*answered;
        // An answer that failed to close the window must not leave the test waiting.
        QPointer<T> guarded(window);
        QTimer::singleShot(5000, [guarded] {
            if (guarded && guarded->isVisible()) {
                qWarning("a modal window was left open; closing it");
                guarded->close();
            }
        });
        answer(*window);
    });
    timer->start(10);
}

// Types a name into a (non-native) file dialog and confirms it, as a user would.
inline void chooseFile(QFileDialog& files, const QString& name) {
    auto* field = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(field);
    field->selectAll();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace apptest
