// The program's settings: the text editor and the recent-file list, kept through QSettings
// (organisation "Dovrik", application "VORNEL", a group named by the version text) as
// "Word Processor" and "File1" .. "File10".
#pragma once

#include <QString>

#include "editor/recent_files.h"
#include "vornel_version.h"

namespace vornel {

class ProgramSettings {
  public:
    // At start: "Word Processor", or the desktop's default opener when it is empty.
    static QString readTextEditor();
    // When the window is shown: a non-empty "Word Processor" replaces `editor` and the recent
    // files are read; when the settings cannot be read both are cleared. Returns false then.
    static bool readOnShow(QString& editor, RecentFiles& recent);
    // All values, on close and whenever the recent-file list changes.
    static void write(const QString& editor, const RecentFiles& recent);
};

namespace settings_key {
inline constexpr char kOrganisation[] = "Dovrik";
inline constexpr char kApplication[] = "VORNEL";
inline constexpr char kGroup[] = VORNEL_VERSION_TEXT;
inline constexpr char kWordProcessor[] = "Word Processor";
}  // namespace settings_key

}  // namespace vornel
