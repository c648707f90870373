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

// The fields of one side of a dbPromene row, looked up once per fill.
struct PromeneSide {
    int name, numOld, numNew, numDiff;
    PromeneSide(const platform::TdxMemData& table, const char* nameField, const char* oldField,
                const char* newField, const char* diffField)
        : name(table.fieldIndex(nameField)),
          numOld(table.fieldIndex(oldField)),
          numNew(table.fieldIndex(newField)),
          numDiff(table.fieldIndex(diffField)) {}

    void fill(platform::TdxMemData& table, const TMy_PromeneArray& list, size_t index) const {
        if (index >= list.size()) {
            table.setString(name, std::string_view());
            return;
        }
        const TMy_PromeneRecord& entry = list[index];
        table.setString(name, entry.Name);
        if (entry.NumOld != 0)
            table.setInteger(numOld, entry.NumOld);
        if (entry.NumNew != 0)
            table.setInteger(numNew, entry.NumNew);
        if (entry.NumDiff != 0)
            table.setInteger(numDiff, entry.NumDiff);
    }
};

}  // namespace

void FillPromene(platform::TdxMemData& table, const TMy_PromeneArray& buyers,
                 const TMy_PromeneArray& sellers) {
    const PromeneSide buyer(table, "Name1", "Num1old", "Num1new", "Num1diff");
    const PromeneSide seller(table, "Name2", "Num2old", "Num2new", "Num2diff");
    const int recNumber = table.fieldIndex("RecNumber");
    const size_t rows = std::max(buyers.size(), sellers.size());
    table.reserve(table.rowCount() + rows);
    for (size_t r = 0; r < rows; ++r) {
        table.Append();
        table.setInteger(recNumber, static_cast<std::int64_t>(r + 1));
        buyer.fill(table, buyers, r);
        seller.fill(table, sellers, r);
        table.Post();
    }
}

void FillRedosled(platform::TdxMemData& table, TMy_FirmaArray newList, TMy_FirmaArray oldList) {
    const int name = table.fieldIndex("Name");
    const int num1 = table.fieldIndex("Num1");
    const int num2 = table.fieldIndex("Num2");
    const int shares1 = table.fieldIndex("Shares1");
    const int shares2 = table.fieldIndex("Shares2");
    const int sharesDiff = table.fieldIndex("SharesDiff");
    const int recNumber = table.fieldIndex("RecNumber");
    const int recNumDiff = table.fieldIndex("RecNumDiff");
    std::int64_t rowNumber = 0;
    std::int64_t changeNumber = 0;
    auto appendRow = [&](const std::string& holder, std::int32_t oldPosition,
                         std::int32_t newPosition, std::int32_t oldShares, std::int32_t newShares) {
        table.Append();
        table.setInteger(recNumber, ++rowNumber);
        table.setInteger(num1, oldPosition);
        table.setInteger(num2, newPosition);
        table.setString(name, std::move(holder));
        table.setInteger(shares1, oldShares);
        table.setInteger(shares2, newShares);
        const std::int64_t difference = std::int64_t{newShares} - oldShares;
        table.setCurrency(sharesDiff, static_cast<double>(difference));
        if (difference != 0)
            table.setInteger(recNumDiff, ++changeNumber);
        table.Post();
    };
    table.reserve(table.rowCount() + newList.size() + oldList.size());
    for (auto& entry : newList) {
        appendRow(std::move(entry.Name), entry.PairOrd, entry.Ord, entry.PairCnt, entry.Cnt);
    }
    for (auto& entry : oldList) {
        if (entry.PairOrd == 0)
            appendRow(std::move(entry.Name), entry.Ord, 0, entry.Cnt, 0);
    }
}

}  // namespace compare
