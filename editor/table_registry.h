// The registry of all tables (templates and instances) of one project.
//
// Every table enters the registry when created and leaves it when destroyed. Identifiers are
// unique within a registry: a new table takes a running number, and giving a table an
// identifier that another table holds swaps the two identifiers. Sub-table columns find their
// templates here by identifier.
#pragma once

#include <vector>

namespace vornel {

class TGridTable;

class TableRegistry {
  public:
    TableRegistry() = default;
    TableRegistry(const TableRegistry&) = delete;
    TableRegistry& operator=(const TableRegistry&) = delete;

    TGridTable* find(int identifier) const;
    int size() const { return static_cast<int>(tables_.size()); }

  private:
    friend class TGridTable;
    int enter(TGridTable* table);  // returns the running number given to it
    void leave(TGridTable* table);
    // Gives `table` the identifier `id`; a table that held it takes the old one of `table`.
    void assign(TGridTable* table, int id);

    std::vector<TGridTable*> tables_;
    int running_ = 1000;
};

}  // namespace vornel
