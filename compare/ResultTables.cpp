#include "compare/ResultTables.h"

namespace compare {

using platform::TFieldType;

void definePromeneTable(platform::TdxMemData& table) {
    // Names are kept whole: a cut name can no longer tell two holders apart. The
    // differences need 33 bits, so they are 64-bit fields.
    table.addField("Name1", TFieldType::ftString, "Akcionar");
    table.addField("Num1old", TFieldType::ftInteger, "Staro");
    table.addField("Num1new", TFieldType::ftInteger, "Novo");
    table.addField("Num1diff", TFieldType::ftLargeint, "Razlika");
    table.addField("Name2", TFieldType::ftString, "Akcionar");
    table.addField("Num2old", TFieldType::ftInteger, "Staro");
    table.addField("Num2new", TFieldType::ftInteger, "Novo");
    table.addField("Num2diff", TFieldType::ftLargeint, "Razlika");
    table.addField("RecNumber", TFieldType::ftInteger);
}

void defineRedosledTable(platform::TdxMemData& table) {
    table.addField("Name", TFieldType::ftString, "Akcionar");
    table.addField("Num1", TFieldType::ftInteger, "Stari red.br.");
    table.addField("Num2", TFieldType::ftInteger, "Novi red.br.");
    table.addField("Shares1", TFieldType::ftInteger, "Staro stanje");
    table.addField("Shares2", TFieldType::ftInteger, "Novo stanje");
    table.addField("SharesDiff", TFieldType::ftCurrency, "Razlika");
    table.addField("RecNumber", TFieldType::ftInteger);
    table.addField("RecNumDiff", TFieldType::ftInteger);
}

namespace {

void setUnlessZero(platform::TdxMemData& table, const char* field, std::int64_t value) {
    if (value != 0) table.setInteger(field, value);
}

void fillSide(platform::TdxMemData& table, const TMy_PromeneArray& list, size_t index,
              const char* nameField, const char* oldField, const char* newField,
              const char* diffField) {
    if (index >= list.size()) {
        table.setString(nameField, "");
        return;
    }
    const TMy_PromeneRecord& entry = list[index];
    table.setString(nameField, entry.Name);
    setUnlessZero(table, oldField, entry.NumOld);
    setUnlessZero(table, newField, entry.NumNew);
    setUnlessZero(table, diffField, entry.NumDiff);
}

}  // namespace

void FillPromene(platform::TdxMemData& table, const TMy_PromeneArray& buyers,
                 const TMy_PromeneArray& sellers) {
    const size_t rows = std::max(buyers.size(), sellers.size());
    table.reserve(table.rowCount() + rows);
    for (size_t r = 0; r < rows; ++r) {
        table.Append();
        table.setInteger("RecNumber", static_cast<std::int64_t>(r + 1));
        fillSide(table, buyers, r, "Name1", "Num1old", "Num1new", "Num1diff");
        fillSide(table, sellers, r, "Name2", "Num2old", "Num2new", "Num2diff");
        table.Post();
    }
}

void FillRedosled(platform::TdxMemData& table, const TMy_FirmaArray& newList,
                  const TMy_FirmaArray& oldList) {
    std::int64_t rowNumber = 0;
    std::int64_t changeNumber = 0;
    auto appendRow = [&](const std::string& name, std::int32_t oldPosition, std::int32_t newPosition,
                         std::int32_t oldShares, std::int32_t newShares) {
        table.Append();
        table.setInteger("RecNumber", ++rowNumber);
        table.setInteger("Num1", oldPosition);
        table.setInteger("Num2", newPosition);
        table.setString("Name", name);
        table.setInteger("Shares1", oldShares);
        table.setInteger("Shares2", newShares);
        const std::int64_t difference = std::int64_t{newShares} - oldShares;
        table.setCurrency("SharesDiff", static_cast<double>(difference));
        if (difference != 0) table.setInteger("RecNumDiff", ++changeNumber);
        table.Post();
    };
    table.reserve(table.rowCount() + newList.size() + oldList.size());
    for (const auto& entry : newList) {
        appendRow(entry.Name, entry.PairOrd, entry.Ord, entry.PairCnt, entry.Cnt);
    }
    for (const auto& entry : oldList) {
        if (entry.PairOrd == 0) appendRow(entry.Name, entry.Ord, 0, entry.Cnt, 0);
    }
}

}  // namespace compare
