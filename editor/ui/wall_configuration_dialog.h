// TdlgCSD, "Wall Configuration": free height, widths for active pressure and for p-y curves,
// the two water tables, the active-pressure factor, the backfill slope and the surface load.
// In English units heights and water depths are shown in ft and the surface load in lbs/ft^2.
// These fields do not mark the project modified.
#pragma once

#include <array>

#include "editor/ui/input_dialog.h"

namespace vornel {

class DialogPicture;

class TdlgCSD : public InputDialog {
    Q_OBJECT
  public:
    explicit TdlgCSD(WindowHost& host, QWidget* parent = nullptr);
    DataEditField *deHL, *deWidth, *deHW, *dePYW, *DeHW2, *deGw, *beta, *deSP;

  protected:
    void setFieldUnits(int system) override;
    void load() override;
    void store() override;

  private:
    static constexpr int kFields = 8;
    std::array<DataEditField*, kFields> fields() const;
    std::array<double, kFields> loaded_{};
};

}  // namespace vornel
