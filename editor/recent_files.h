// The list of recently used data files: up to 10 full paths, most recent first, never the
// same path twice. Kept in the settings as "File1" .. "File10".
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace vornel {

class RecentFiles {
  public:
    static constexpr int kMax = 10;

    // Opening or saving as `path`: first already -> unchanged; at 2..10 -> moved to the top;
    // otherwise inserted at the top and the last entry drops out.
    void add(const QString& path);
    const QStringList& entries() const { return entries_; }

    // File menu captions: "n name", the current folder and its separator removed from the
    // front of a path inside it.
    QStringList menuCaptions(const QString& current_folder) const;
    bool separatorVisible() const { return !entries_.isEmpty(); }

    void load(QSettings& settings);
    void save(QSettings& settings) const;

  private:
    QStringList entries_;
};

}  // namespace vornel
