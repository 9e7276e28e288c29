#include "editor/grid_table.h"

#include <algorithm>
#include <cmath>

#include "editor/expression_evaluator.h"
#include "editor/number_text.h"
#include "editor/table_definition.h"
#include "editor/table_registry.h"

namespace vornel {

ColumnDef ColumnDef::pickList(QStringList headers, QStringList items) {
    ColumnDef d;
    d.type = ColumnType::PickList;
    d.headers = std::move(headers);
    d.items = std::move(items);
    return d;
}

ColumnDef ColumnDef::integer(QStringList headers, int def, int min, int max) {
    ColumnDef d;
    d.type = ColumnType::Integer;
    d.headers = std::move(headers);
    d.intDefault = def;
    d.intMin = min;
    d.intMax = max;
    return d;
}

ColumnDef ColumnDef::real(QStringList headers, QString unit_code, double def) {
    ColumnDef d;
    d.type = ColumnType::Real;
    d.headers = std::move(headers);
    d.unitCode = std::move(unit_code);
    d.realDefault = def;
    return d;
}

ColumnDef ColumnDef::subTable(QStringList headers, QList<int> templates) {
    ColumnDef d;
    d.type = ColumnType::SubTable;
    d.headers = std::move(headers);
    d.templates = std::move(templates);
    return d;
}

TGridTable::TGridTable(TableRegistry& registry) : registry_(registry) {
    identifier_ = registry_.enter(this);
}

TGridTable::~TGridTable() {
    columns_.clear();  // instances leave the registry before their owner
    registry_.leave(this);
}

void TGridTable::setIdentifier(int id) {
    registry_.assign(this, id);
}

CellResult TGridTable::setMinRows(int n) {
    if (n <= 0 && !loading_) return {false, grid_text::kMinRows};
    min_rows_ = n;
    return {};
}

// ---- Columns ----------------------------------------------------------------------------

void TGridTable::fitTemplates(ColumnDef& def) const {
    if (def.type != ColumnType::SubTable) return;
    const bool by_item = !columns_.empty() && columns_[0].def.type == ColumnType::PickList;
    const auto n = by_item ? columns_[0].def.items.size() : 1;
    while (def.templates.size() < n) def.templates.append(kNoTemplate);
    def.templates.resize(n);
}

void TGridTable::addColumn(ColumnDef def) {
    fitTemplates(def);
    Column c;
    c.def = std::move(def);
    columns_.push_back(std::move(c));
    const int n = rows_;
    rows_ = 0;
    for (auto& existing : columns_) {
        existing.ints.clear();
        existing.reals.clear();
        existing.texts.clear();
        existing.tables.clear();
    }
    insertRows(0, n);
}

void TGridTable::clearColumns() {
    columns_.clear();
    rows_ = 0;
}

// ---- Rows -------------------------------------------------------------------------------

bool TGridTable::valid(int c, int r) const {
    return c >= 0 && c < columnCount() && r >= 0 && r < rows_;
}

void TGridTable::insertRows(int at, int n) {
    if (n <= 0) return;
    const auto pos = static_cast<std::ptrdiff_t>(at);
    for (auto& c : columns_) {
        const auto un = static_cast<size_t>(n);
        const int def_int = c.def.type == ColumnType::PickList ? 1 : c.def.intDefault;
        c.ints.insert(c.ints.begin() + pos, un, def_int);
        c.reals.insert(c.reals.begin() + pos, un, c.def.realDefault);
        c.texts.insert(c.texts.begin() + pos, un, QString());
        for (size_t k = 0; k < un; ++k) c.tables.insert(c.tables.begin() + pos, nullptr);
    }
    rows_ += n;
    for (auto& c : columns_)
        if (c.def.type == ColumnType::SubTable)
            for (int r = at; r < at + n; ++r) c.tables[static_cast<size_t>(r)] = newInstance(c, r);
    renumber();
}

void TGridTable::removeRows(int at, int n) {
    n = std::min(n, rows_ - at);
    if (n <= 0) return;
    const auto b = static_cast<std::ptrdiff_t>(at), e = b + n;
    for (auto& c : columns_) {
        c.ints.erase(c.ints.begin() + b, c.ints.begin() + e);
        c.reals.erase(c.reals.begin() + b, c.reals.begin() + e);
        c.texts.erase(c.texts.begin() + b, c.texts.begin() + e);
        c.tables.erase(c.tables.begin() + b, c.tables.begin() + e);
    }
    rows_ -= n;
    renumber();
}

void TGridTable::renumber() {
    for (auto& c : columns_)
        for (size_t r = 0; r < c.tables.size(); ++r)
            if (c.tables[r]) c.tables[r]->owner_row_ = static_cast<int>(r) + 1;
}

void TGridTable::setRowCount(int n) {
    n = std::max(n, 0);
    if (n > rows_)
        insertRows(rows_, n - rows_);
    else
        removeRows(n, rows_ - n);
}

void TGridTable::fillToMinimum() {
    if (rows_ < min_rows_) setRowCount(min_rows_);
}

void TGridTable::addGroup() {
    insertRows(rows_, row_group_);
    changed_ = true;
}

CellResult TGridTable::insertGroup(int row) {
    if (row < 0 || row >= rows_) return {false, grid_text::kRowRange};
    insertRows(row / row_group_ * row_group_, row_group_);
    changed_ = true;
    return {};
}

CellResult TGridTable::deleteGroup(int row) {
    if (row < 0 || row >= rows_) return {false, grid_text::kRowRange};
    removeRows(row / row_group_ * row_group_, row_group_);
    changed_ = true;
    return {};
}

// ---- Sub-table instances ----------------------------------------------------------------

bool TGridTable::isAncestorOrSelf(const TGridTable* t) const {
    for (const TGridTable* p = this; p; p = p->owner_)
        if (p == t) return true;
    return false;
}

std::unique_ptr<TGridTable> TGridTable::newInstance(const Column& column, int r) {
    const auto& ids = column.def.templates;
    qsizetype k = 0;
    if (ids.size() > 1 && !columns_.empty() && columns_[0].def.type == ColumnType::PickList)
        k = columns_[0].ints[static_cast<size_t>(r)] - 1;
    if (k < 0 || k >= ids.size() || ids[k] == kNoTemplate) return nullptr;
    const TGridTable* tpl = registry_.find(ids[k]);
    // A template that is this table or one that owns it would nest without end.
    if (!tpl || isAncestorOrSelf(tpl)) return nullptr;
    auto inst = tpl->createEmpty();
    inst->copyDefinitionFrom(*tpl);
    inst->owner_ = this;
    inst->owner_row_ = r + 1;
    inst->units_ = units_;
    inst->window_open_ = false;
    inst->fillToMinimum();
    return inst;
}

void TGridTable::replaceInstances(int r) {
    for (auto& c : columns_)
        if (c.def.type == ColumnType::SubTable)
            c.tables[static_cast<size_t>(r)] = newInstance(c, r);
}

std::unique_ptr<TGridTable> TGridTable::createEmpty() const {
    return std::make_unique<TGridTable>(registry_);
}

void TGridTable::copyDefinitionFrom(const TGridTable& from) {
    Caption = from.Caption;
    Comments = from.Comments;
    TopLeft = from.TopLeft;
    HelpPicture = from.HelpPicture;
    min_rows_ = from.min_rows_;
    max_rows_ = from.max_rows_;
    clearColumns();
    for (const auto& c : from.columns_) addColumn(c.def);
}

// ---- Cells ------------------------------------------------------------------------------

int TGridTable::item(int c, int r) const {
    return valid(c, r) ? col(c).ints[static_cast<size_t>(r)] : 0;
}
double TGridTable::real(int c, int r) const {
    return valid(c, r) ? col(c).reals[static_cast<size_t>(r)] : 0.0;
}
QString TGridTable::textValue(int c, int r) const {
    return valid(c, r) ? col(c).texts[static_cast<size_t>(r)] : QString();
}
TGridTable* TGridTable::subTable(int c, int r) const {
    return valid(c, r) ? col(c).tables[static_cast<size_t>(r)].get() : nullptr;
}

void TGridTable::setItem(int c, int r, int v) {
    if (!valid(c, r)) return;
    int& cell = col(c).ints[static_cast<size_t>(r)];
    const bool replaced = cell != v;
    cell = v;
    if (c == 0 && replaced && col(c).def.type == ColumnType::PickList) replaceInstances(r);
}

void TGridTable::setInteger(int c, int r, int v) {
    if (valid(c, r)) col(c).ints[static_cast<size_t>(r)] = v;
}
void TGridTable::setReal(int c, int r, double v) {
    if (valid(c, r)) col(c).reals[static_cast<size_t>(r)] = v;
}
void TGridTable::setTextValue(int c, int r, const QString& v) {
    if (valid(c, r)) col(c).texts[static_cast<size_t>(r)] = v;
}

CellResult TGridTable::setIntegerText(int c, int r, double v, const QString& text) {
    const ColumnDef& d = col(c).def;
    const double rounded = std::nearbyint(v);
    if (window_open_) {
        if (std::fabs(v - rounded) > 1e-10) return {false, grid_text::kInteger};
        if (rounded < d.intMin || rounded > d.intMax)
            return {false, QString(grid_text::kBetween).arg(d.intMin).arg(d.intMax)};
    }
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        return {false, text + grid_text::kNotNumber};
    setInteger(c, r, static_cast<int>(rounded));
    return {};
}

// A pick list entered through a value: the value is the item number.
CellResult TGridTable::setPickText(int c, int r, double v, const QString& text) {
    if (v != std::trunc(v)) return {false, grid_text::kValueInteger};
    if (std::fabs(v) > 2147483647.0) return {false, text + grid_text::kNotNumber};
    const auto n = static_cast<int>(col(c).def.items.size());
    if (v < 1 || v > n) return {false, QString(grid_text::kBetween).arg(1).arg(n)};
    setItem(c, r, static_cast<int>(v));
    return {};
}

CellResult TGridTable::setText(int c, int r, const QString& text) {
    if (!valid(c, r)) return {false, grid_text::kRowRange};
    const ColumnType type = col(c).def.type;
    CellResult result;
    if (type == ColumnType::Text) {
        setTextValue(c, r, text);
    } else if (type == ColumnType::SubTable) {
        return {};
    } else {
        if (text.trimmed().isEmpty()) return {false, grid_text::kBlank};
        const EvalResult e = evaluate_expression(text);
        if (!e.ok) return {false, e.message};
        if (type == ColumnType::Real && !is_storable(e.value))
            return {false, number_text::kNotStorable};
        if (type == ColumnType::Real)
            setReal(c, r, e.value);
        else if (type == ColumnType::Integer)
            result = setIntegerText(c, r, e.value, text);
        else
            result = setPickText(c, r, e.value, text);
    }
    if (!result.ok) return result;
    changed_ = true;
    if (col(c).def.rowGroup) {  // one value for every row of the group
        Column& k = col(c);
        const auto from = static_cast<size_t>(r);
        const int first = r / row_group_ * row_group_;
        for (int g = first; g < std::min(first + row_group_, rows_); ++g) {
            const auto to = static_cast<size_t>(g);
            k.ints[to] = k.ints[from];
            k.reals[to] = k.reals[from];
            k.texts[to] = k.texts[from];
        }
    }
    return result;
}

QString TGridTable::displayText(int c, int r) const {
    if (!valid(c, r)) return {};
    const Column& k = col(c);
    const auto i = static_cast<size_t>(r);
    switch (k.def.type) {
        case ColumnType::PickList: {
            const int item = k.ints[i];
            return item >= 1 && item <= k.def.items.size() ? k.def.items[item - 1] : QString();
        }
        case ColumnType::Integer:
            return QString::number(k.ints[i]);
        case ColumnType::Real:
            return format_general(k.reals[i], 8);
        case ColumnType::SubTable:
            return k.tables[i]
                       ? QString::number(r + 1) + QStringLiteral(": ") + k.tables[i]->Caption
                       : QString();
        case ColumnType::Text:
            return k.texts[i];
    }
    return {};
}

int TGridTable::headerLineCount() const {
    qsizetype n = 0;
    for (const auto& c : columns_)
        if (c.def.visible) n = std::max(n, c.def.headers.size());
    return static_cast<int>(n);
}

QString TGridTable::headerText(int c, int line) const {
    if (c < 0 || c >= columnCount()) return {};
    const ColumnDef& d = col(c).def;
    if (line < 0 || line >= d.headers.size()) return {};
    QString h = d.headers[line];
    if (d.type == ColumnType::Real && !d.unitCode.isEmpty() && line == d.headers.size() - 1)
        h += QStringLiteral(" (") + unit_label_column(d.unitCode, units_, unitKinds()) +
             QStringLiteral(")  ");
    return h;
}

// ---- State ------------------------------------------------------------------------------

void TGridTable::setUnits(int system) {
    if (system == units_) return;
    for (auto& c : columns_) {
        if (c.def.type == ColumnType::Real) {
            const double f = unit_factor(units_, system, c.def.unitCode, unitKinds());
            if (f != 1.0)
                for (double& v : c.reals) v *= f;
        } else if (c.def.type == ColumnType::SubTable) {
            for (auto& t : c.tables)
                if (t) t->setUnits(system);
        }
    }
    units_ = system;
}

bool TGridTable::changed() const {
    if (changed_) return true;
    for (const auto& c : columns_)
        for (const auto& t : c.tables)
            if (t && t->changed()) return true;
    return false;
}

void TGridTable::resetChanged() {
    changed_ = false;
    for (auto& c : columns_)
        for (auto& t : c.tables)
            if (t) t->resetChanged();
}

QString TGridTable::rowNumberChain() const {
    if (!owner_) return {};
    return owner_->rowNumberChain() + QLatin1Char(' ') + QString::number(owner_row_);
}

// ---- Definition record ------------------------------------------------------------------

void TGridTable::writeDefinition(DefinitionWriter& w) const {
    w.writeInt(columnCount());
    for (const auto& c : columns_) {
        const ColumnDef& d = c.def;
        w.writeInt(static_cast<int>(d.type));
        w.writeTextList(d.headers);
        w.writeBool(d.visible);
        w.writeBool(d.rowGroup);
        switch (d.type) {
            case ColumnType::PickList:
                w.writeTextList(d.items);
                break;
            case ColumnType::Integer:
                w.writeInt(d.intDefault);
                w.writeInt(d.intMin);
                w.writeInt(d.intMax);
                break;
            case ColumnType::Real:
                w.writeBool(d.topDepth);
                w.writeText(QStringLiteral("FLOATCOLUMN2"));
                w.writeText(d.unitCode);
                w.writeReal(d.realDefault);
                break;
            case ColumnType::SubTable:
                w.writeText(QStringLiteral("FLEXCOLUMN2"));
                w.writeIntList(d.templates);
                break;
            case ColumnType::Text:
                break;
        }
    }
}

namespace {

bool read_extras(DefinitionReader& r, ColumnDef& d) {
    switch (d.type) {
        case ColumnType::PickList:
            return r.readTextList(d.items);
        case ColumnType::Integer:
            return r.readInt(d.intDefault) && r.readInt(d.intMin) && r.readInt(d.intMax);
        case ColumnType::Real: {
            QString marker;
            if (!r.readBool(d.topDepth) || !r.readText(marker)) return false;
            if (marker != QLatin1String("FLOATCOLUMN2")) {  // older form: the unit code
                d.unitCode = marker;
                return true;
            }
            return r.readText(d.unitCode) && r.readReal(d.realDefault);
        }
        case ColumnType::SubTable: {
            if (r.peek() == DefItem::Int) {  // older form: a single integer
                qint32 id = 0;
                r.readInt(id);
                d.templates = {id};
                return true;
            }
            QString marker;
            return r.readText(marker) && marker == QLatin1String("FLEXCOLUMN2") &&
                   r.readIntList(d.templates);
        }
        case ColumnType::Text:
            return true;
    }
    return false;
}

}  // namespace

QString TGridTable::readDefinition(DefinitionReader& r) {
    qint32 count = 0;
    if (!r.readInt(count) || count < 0 || count > 1000) return grid_text::kColumnCount;
    std::vector<ColumnDef> defs;
    for (int i = 0; i < count; ++i) {
        qint32 type = 0;
        if (!r.readInt(type)) {
            return QString(grid_text::kCreatingColumn).arg(i).arg("Error reading column class");
        }
        if (type < 0 || type > 4) return grid_text::kColumnClass;
        ColumnDef d;
        d.type = static_cast<ColumnType>(type);
        if (!r.readTextList(d.headers) || !r.readBool(d.visible) || !r.readBool(d.rowGroup) ||
            !read_extras(r, d))
            return QString(grid_text::kCreatingColumn).arg(i).arg("Error reading property");
        defs.push_back(std::move(d));
    }
    clearColumns();
    for (auto& d : defs) addColumn(std::move(d));
    return {};
}

}  // namespace vornel
