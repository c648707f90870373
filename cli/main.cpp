// stanjomer-cli: runs the main window's workflow headless on two register pages and
// prints the chosen result grid as the clipboard text.

#include <clocale>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ConsoleHost.h"
#include "cli/ConsoleText.h"
#include "export/cxXLSExport.h"
#include "gridexport/cxExportGrid4Link.h"
#include "platform/Clipboard.h"
#include "platform/CodePage.h"
#include "platform/InOutError.h"
#include "platform/RegionalSettings.h"
#include "workflow/Messages.h"

namespace {

enum ExitStatus { kSuccess = 0, kFileProblem = 1, kUsageError = 2, kNoShareholderTable = 3 };

void printError(const std::string& programText) {
    std::cerr << "stanjomer-cli: " << platform::cp1250ToUtf8(programText) << '\n';
}

int run(const cli::CliOptions& options) {
    cli::ConsoleHost host;
    workflow::MainWorkflow main(host);
    main.FormCreate();
    main.editFile1 = options.oldFile;
    main.editFile2 = options.newFile;
    main.activePage = options.page;
    main.samoSaPromenama = options.changedOnly;
    if (options.firstTwelve) {
        main.menuClipboard_TopClick();
    } else {
        main.menuClipboard_SveClick();
    }

    try {
        main.btnOkClick();
    } catch (const platform::EInOutError& error) {
        printError(error.what());
        return kFileProblem;
    }
    if (!main.commandsEnabled()) {
        // A check of the two names failed: report it with the argument concerned.
        const bool oldOne = host.lastFocus == workflow::FocusTarget::EditFile1;
        const std::string& argument = oldOne ? options.oldFile : options.newFile;
        const std::string text = host.messages.empty() ? "" : host.messages.front().second;
        std::cerr << "stanjomer-cli: " << platform::cp1250ToUtf8(text) << " ("
                  << (oldOne ? "OLD" : "NEW") << ": \"" << argument << "\")\n";
        return kFileProblem;
    }
    int status = kSuccess;
    for (const auto& [kind, text] : host.messages) {
        if (text.starts_with(workflow::messages::kNoShareholderTable))
            status = kNoShareholderTable;
        printError(text);
    }

    if (options.xlsFile) {
        host.workbookName = *options.xlsFile;
        const auto written = main.btnExcelClick();
        if (!written) {  // the name was refused
            printError(host.messages.back().second);
            return kFileProblem;
        }
        std::cout << written->string() << '\n';
        return status;
    }

    platform::MemoryClipboard clipboard;
    platform::setClipboardBackend(&clipboard);
    main.btnClipboardClick();
    platform::setClipboardBackend(nullptr);
    const std::string out = cli::clipboardTextForConsole(clipboard.text());
    std::fwrite(out.data(), 1, out.size(), stdout);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    platform::loadRegionalSettingsFromLocale();
    cx::InitXLSExportModule();
    cx::InitGridExportModule();

    const cli::ParseResult parsed =
        cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "stanjomer-cli: " << parsed.error << '\n' << cli::kUsage;
        return kUsageError;
    }
    try {
        const int status = run(*parsed.options);
        std::fflush(stdout);
        return status;
    } catch (const std::exception& error) {
        printError(error.what());
        return kFileProblem;
    }
}
