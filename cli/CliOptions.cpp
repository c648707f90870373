#include "cli/CliOptions.h"

namespace cli {

const char* const kUsage =
    "usage: stanjomer-cli [--page changes|ranking] [--changed-only] [--first-12] [--xls FILE] OLD "
    "NEW\n"
    "  Compares two saved register pages (OLD and NEW state) and prints the chosen result\n"
    "  as the tab-separated text that \"Clipboard\" copies, or saves it as a workbook.\n"
    "  --page changes   \"Promena broja akcija\" (default)\n"
    "  --page ranking   \"Promena redosleda\"\n"
    "  --changed-only   \"Samo sa promenama\" (ranking only)\n"
    "  --first-12       \"Kopiraj prvih 12\" (default: all rows)\n"
    "  --xls FILE       save as an Excel workbook (FILE with the extension .xls) and print its "
    "path\n";

ParseResult parseCommandLine(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--changed-only") {
            options.changedOnly = true;
        } else if (argument == "--first-12") {
            options.firstTwelve = true;
        } else if (argument == "--xls" || argument.starts_with("--xls=")) {
            if (argument == "--xls") {
                if (i + 1 >= arguments.size())
                    return {std::nullopt, "--xls needs a file name"};
                options.xlsFile = arguments[++i];
            } else {
                options.xlsFile = argument.substr(6);
            }
        } else if (argument == "--page" || argument.starts_with("--page=")) {
            std::string value;
            if (argument == "--page") {
                if (i + 1 >= arguments.size())
                    return {std::nullopt, "--page needs a value"};
                value = arguments[++i];
            } else {
                value = argument.substr(7);
            }
            if (value == "changes") {
                options.page = workflow::Page::Promena;
            } else if (value == "ranking") {
                options.page = workflow::Page::Redosled;
            } else {
                return {std::nullopt, "unknown page '" + value + "' (changes or ranking)"};
            }
        } else {
            return {std::nullopt, "unknown option '" + argument + "'"};
        }
    }
    if (files.size() != 2)
        return {std::nullopt, "expected two files, OLD and NEW"};
    options.oldFile = files[0];
    options.newFile = files[1];
    return {options, {}};
}

}  // namespace cli
