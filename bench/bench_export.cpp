// bench_export OLD NEW OUT: compares two pages headless, then times saving the ranking
// grid ("Promena redosleda", all rows) as a workbook, from the command to the closed file.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "cli/ConsoleHost.h"
#include "export/cxXLSExport.h"
#include "gridexport/cxExportGrid4Link.h"
#include "workflow/MainWorkflow.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_export OLD NEW OUT\n");
        return 2;
    }
    cx::InitXLSExportModule();
    cx::InitGridExportModule();
    cli::ConsoleHost host;
    workflow::MainWorkflow main(host);
    main.editFile1 = argv[1];
    main.editFile2 = argv[2];
    main.btnOkClick();
    main.activePage = workflow::Page::Redosled;
    main.menuClipboard_SveClick();
    host.workbookName = argv[3];

    const auto start = std::chrono::steady_clock::now();
    main.btnExcelClick();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("records %zu  workbook %.1f MB  export %.3f s  peak memory %.1f MB\n",
                main.grids.viewRedosled->DataController.RecordCount(),
                static_cast<double>(std::filesystem::file_size(argv[3])) / 1e6, seconds,
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
