#pragma once
// The texts the main window shows, in the program's code page (Windows-1250).

namespace workflow::messages {

inline constexpr const char* kNoFileChosen = "Nije izabrana datoteka.";
inline constexpr const char* kFileMissing = "Datoteka ne postoji.";
inline constexpr const char* kNoDifferences = "Nema razlika izmedju starog i novog stanja.";
inline constexpr const char* kCopiedToClipboard = "Informacije su iskopirane na clipboard.";
// The workbook names proposed by "Excel", in the program's folder.
inline constexpr const char* kDefaultPromeneWorkbook = "Promena broja akcija.xls";
inline constexpr const char* kDefaultRedosledWorkbook = "Promena redosleda.xls";
// Followed by the path of a page in which no shareholder table was found.
inline constexpr const char* kNoShareholderTable =
    "Datoteka ne sadr\x9e"
    "i tabelu akcionara: ";

}  // namespace workflow::messages
