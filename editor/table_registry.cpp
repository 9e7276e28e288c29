#include "editor/table_registry.h"

#include <algorithm>

#include "editor/grid_table.h"

namespace vornel {

TGridTable* TableRegistry::find(int identifier) const {
    for (auto* t : tables_)
        if (t->Identifier() == identifier) return t;
    return nullptr;
}

int TableRegistry::enter(TGridTable* table) {
    tables_.push_back(table);
    while (find(running_)) ++running_;
    return running_++;
}

void TableRegistry::leave(TGridTable* table) {
    std::erase(tables_, table);
}

void TableRegistry::assign(TGridTable* table, int id) {
    if (TGridTable* holder = find(id); holder && holder != table)
        holder->identifier_ = table->identifier_;
    table->identifier_ = id;
}

}  // namespace vornel
