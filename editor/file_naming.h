// Names shown for a data file, and the start-up rule for a file named on the command line.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "vornel_version.h"

namespace vornel {

inline constexpr char kNewFileName[] = "NewWall.vn5d";
inline constexpr char kVersionText[] = VORNEL_VERSION_TEXT;

// The file name without folder; a ".vnd" extension (any case) removes everything from the
// first "." on; a result longer than one character starts with an upper-case letter.
QString display_name(const QString& path);

// "VORNEL ", the version text, " - " and the display name.
QString main_caption(const QString& path);

// The name offered by Save As: the extension changed to ".vn5d" when it is another one.
QString save_as_suggestion(const QString& path);
QString save_as_title(const QString& path);  // "Save <display name> As"

bool is_new_file_name(const QString& path);       // the name part is "NewWall.vn5d"
bool has_current_extension(const QString& path);  // ".vn5d", compared in lower case

// The file named by the first argument, with ".vn4d" appended when it holds no ".".
std::optional<QString> command_line_file(const QStringList& arguments);

}  // namespace vornel
