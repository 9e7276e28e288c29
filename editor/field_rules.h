// The numeric fields of the dialogs that edit the project's scalars, with their entry rules.
//
// One row per field: the dialog and the caption the user sees, the member of TProgramData it
// edits, its unit code, how the stored value is shown (English lengths in ft, the surface load
// in lbs/ft^2), its bounds on the number as shown and whether it takes integers only. The
// dialogs set their fields' bounds from this table and scripts check their values against it,
// so a value refused in a dialog is refused everywhere. A member edited by two dialogs (the
// free height) has a row for each.
#pragma once

#include <QString>
#include <vector>

#include "editor/data_edit.h"

namespace vornel {

enum class ShownAs { Stored, Feet, PerSquareFoot };

struct FieldRule {
    const char* field;    // the dialog's field name ("deWidth")
    const char* dialog;   // the dialog's caption
    const char* caption;  // the field's caption without its accelerator
    const char* member;   // the TProgramData member ("ActiveWidth")
    const char* unitCode;
    ShownAs shown;
    long double min, max;  // inclusive, on the number as shown
    bool integerOnly;
};

const std::vector<FieldRule>& field_rules();
// The rule of a dialog field; the program's own field names only.
const FieldRule& field_rule(const char* field);

// A TDataEdit set up with the rule's bounds and mode, as the dialog's field is.
TDataEdit field_model(const FieldRule& rule, int unit_system);

// The number shown for a stored value and the value stored for a shown number.
double shown_value(ShownAs how, double stored, int unit_system);
double stored_value(ShownAs how, double shown, int unit_system);

// The message a dialog field shows for `stored` (in the project's units), empty when the
// field takes it unchanged.
QString field_check(const FieldRule& rule, double stored, int unit_system);

}  // namespace vornel
