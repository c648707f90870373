#pragma once
// The command line of stanjomer-cli.

#include <optional>
#include <string>
#include <vector>

#include "workflow/MainWorkflow.h"

namespace cli {

struct CliOptions {
    workflow::Page page = workflow::Page::Promena;
    bool changedOnly = false;            // "Samo sa promenama"
    bool firstTwelve = false;            // "Kopiraj prvih 12"; otherwise "Kopiraj sve"
    std::optional<std::string> xlsFile;  // save as a workbook instead of printing the text
    std::string oldFile;
    std::string newFile;
};

struct ParseResult {
    std::optional<CliOptions> options;
    std::string error;  // set when options is empty
};

ParseResult parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace cli
