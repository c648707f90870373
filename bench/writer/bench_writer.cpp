// Writes a full 65,536-row x 8-column sheet through the provider interface, the way the
// grid export does, and reports the time taken and the peak memory of the process.
//   bench_writer <output.xls>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "export/cxExport.h"
#include "export/cxXLSExport.h"

namespace {

using namespace cx;

constexpr int kRows = 65536;
constexpr int kColumns = 8;

TcxExportCellStyle Style() {
    TcxExportCellStyle s = DefaultExportStyle();
    s.Checksum = 0;
    return s;
}

void WriteSheet(const std::string& file) {
    TcxExportProviderRef p = TcxExport::CreateProvider(kExportTypeXLS, file);
    TcxExportCellStyle base = Style();
    p->AddBaseStyle(base);
    p->PrepareSheet(kColumns, kRows, false);
    for (int c = 0; c < kColumns; ++c)
        p->DefineColumnWidth(c, c < 4 ? 160 : 90);

    TcxExportCellStyle header = Style();
    header.FontFlags = kFontBold;
    header.Alignment = 1;
    header.FillColor = 0xF0F0F0;
    const int headerStyle = p->AddStyle(header);
    TcxExportCellStyle text = Style();
    text.Alignment = 0;
    TcxExportCellStyle green = text;
    green.TextColor = 0x008000;
    TcxExportCellStyle number = Style();
    number.Alignment = 2;
    TcxExportCellStyle red = number;
    red.TextColor = 0x0000FF;
    const int columnStyles[kColumns] = {p->AddStyle(text),   p->AddStyle(green),  p->AddStyle(text),
                                        p->AddStyle(text),   p->AddStyle(number), p->AddStyle(red),
                                        p->AddStyle(number), p->AddStyle(number)};
    static const char* const kCaptions[kColumns] = {"Naziv", "Grad", "Adresa",  "Napomena",
                                                    "Staro", "Novo", "Razlika", "Procenat"};
    for (int c = 0; c < kColumns; ++c) {
        p->MergeWithStyle(c, 0, 1, 1, headerStyle);
        p->PutText(c, 0, kCaptions[c]);
    }
    std::string buffer;
    for (int r = 1; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            p->MergeWithStyle(c, r, 1, 1, columnStyles[c]);
            if (c < 4) {
                buffer = "Akcionar " + std::to_string(r * 8 + c);
                p->PutText(c, r, buffer);
            } else {
                p->PutValue(c, r, TcxExportValue::Double(r * 1.5 + c));
            }
        }
    }
    p->Finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_writer <output.xls>\n");
        return 2;
    }
    InitXLSExportModule();
    InitExportSupport();
    const auto start = std::chrono::steady_clock::now();
    WriteSheet(argv[1]);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double fileMb = static_cast<double>(std::filesystem::file_size(argv[1])) / 1048576.0;
    std::printf("stanjomer  %6.3f s  peak %6.1f MB  file %.1f MB\n", took.count(),
                static_cast<double>(usage.ru_maxrss) / 1024.0, fileMb);
    return 0;
}
