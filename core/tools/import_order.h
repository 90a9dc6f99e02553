#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/store/password_store.h"

namespace vk {

// The two lists of the Import page and what its four arrow buttons do to them: the fields
// not yet placed ("Skip field" first) and the import order, whose n-th entry names the field
// the n-th column of the file feeds. A selection of -1 means none.
class CImportOrderLists {
  public:
    struct Entry {
        std::string name;
        int field;  // kSkipColumn for "Skip field"
    };

    // Every field by its configured column name, or its default name where that is empty.
    explicit CImportOrderLists(const std::array<std::string, kFieldCount>& columnNames);

    const std::vector<Entry>& Fields() const { return fields_; }
    const std::vector<Entry>& Order() const { return order_; }
    int FieldSelection() const { return fieldSelection_; }
    int OrderSelection() const { return orderSelection_; }
    void SelectField(int index);
    void SelectOrder(int index);

    // "<-": the selected field goes to the end of the import order and is selected there.
    // "Skip field" is copied and stays; another field leaves the list, whose selection moves
    // to the entry that took its place (or the one before, when it was the last).
    void Add();
    // "->": the selected order entry leaves; the one before it (or the first) is selected. A
    // field goes back to the end of the field list and is selected there.
    void Remove();
    // "^" and "v": the selected order entry moves one place, keeping the selection.
    void MoveUp();
    void MoveDown();

    // The import can run only with at least one column.
    bool HasOrder() const { return !order_.empty(); }
    std::vector<int> ImportOrder() const;

  private:
    std::vector<Entry> fields_;
    std::vector<Entry> order_;
    int fieldSelection_ = 0;
    int orderSelection_ = -1;
};

}  // namespace vk
