// Arbitrary bytes as an import file, read with an import order and a skip count drawn from
// the input. The reader must never crash, hang or keep what a field cannot hold. After one
// round the exporter's output must read back unchanged: export, import and export again
// give the same records and the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <locale>

#include "core/editor/folder_tree.h"
#include "core/shell/date_text.h"
#include "core/store/file_layout.h"
#include "core/tools/export_csv.h"
#include "core/tools/import_csv.h"

namespace vk {
namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "csv import: %s\n", what);
    std::abort();
}

// The records as the only folder of a store, exported with every field.
std::string ExportAll(const std::vector<CRecord>& records) {
    CPasswordStore store;
    store.AddFolder("F", 1);
    for (const CRecord& r : records) store.folders[0].records.push_back(r);
    CFolderTree tree;
    tree.BuildFrom(store);
    ExportChoice choice;
    choice.folders = {true};
    choice.fields.fill(true);
    return ExportText(store, tree, choice);
}

ImportChoice EveryField() {
    ImportChoice choice;
    for (int field = 0; field < kFieldCount; ++field) choice.order.push_back(field);
    return choice;
}

}  // namespace
}  // namespace vk

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vk;
    static CLocaleDateFormat dates{std::locale::classic()};
    FuzzedDataProvider input(data, size);
    ImportChoice choice;
    choice.order.resize(input.ConsumeIntegralInRange<std::size_t>(0, 20));
    for (int& field : choice.order) field = input.ConsumeIntegralInRange<int>(-1, 13);
    choice.skipLines = input.ConsumeIntegralInRange<int>(0, kMaxSkipLines);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const auto first = ParseImportText(bytes, choice, dates);
    Require(first.has_value(), "a small file holds too many records");
    for (const CRecord& record : *first) {
        Require(!record.IsEmpty(), "an empty record was kept");
        for (int field = 0; field < kFieldCount; ++field)
            Require(record[field].size() <= file_layout::FieldSlotBytes(field),
                    "a field holds more than the file keeps");
    }

    const auto second = ParseImportText(ExportAll(*first), EveryField(), dates);
    Require(second.has_value(), "an export could not be read back");
    const std::string exported = ExportAll(*second);
    const auto third = ParseImportText(exported, EveryField(), dates);
    Require(third.has_value() && third->size() == second->size(), "records were lost");
    for (std::size_t i = 0; i < second->size(); ++i)
        Require((*third)[i].fields == (*second)[i].fields, "an export read back differently");
    Require(ExportAll(*third) == exported, "an export changed on the way back");
    return 0;
}
