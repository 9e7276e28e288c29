// A child window that holds entries not yet stored in the project (a field being edited).
// Before a menu opens, a file command or a run, the window host asks the active one to store.
#pragma once

namespace vornel {

class StoringWindow {
  public:
    virtual ~StoringWindow() = default;
    // Stores the window's entries; false when the focused entry is invalid (nothing stored).
    virtual bool storeValues() = 0;
};

}  // namespace vornel
