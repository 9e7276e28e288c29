#include "editor/file_naming.h"

namespace vornel {

namespace {
QString file_part(const QString& path) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}
QString extension(const QString& path) {
    const QString name = file_part(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}
}  // namespace

QString display_name(const QString& path) {
    QString name = file_part(path);
    if (extension(name).compare(QLatin1String(".vnd"), Qt::CaseInsensitive) == 0)
        name = name.left(name.indexOf(QLatin1Char('.')));
    if (name.size() > 1) name[0] = name[0].toUpper();
    return name;
}

QString main_caption(const QString& path) {
    return QStringLiteral("VORNEL " VORNEL_VERSION_TEXT " - ") + display_name(path);
}

QString save_as_suggestion(const QString& path) {
    const QString ext = extension(path);
    if (ext == QLatin1String(".vn5d")) return path;
    return path.left(path.size() - ext.size()) + QStringLiteral(".vn5d");
}

QString save_as_title(const QString& path) {
    return QStringLiteral("Save ") + display_name(path) + QStringLiteral(" As");
}

bool is_new_file_name(const QString& path) {
    return file_part(path) == QLatin1String(kNewFileName);
}

bool has_current_extension(const QString& path) {
    return extension(path).toLower() == QLatin1String(".vn5d");
}

std::optional<QString> command_line_file(const QStringList& arguments) {
    if (arguments.isEmpty()) return std::nullopt;
    QString name = arguments.front();
    if (!name.contains(QLatin1Char('.'))) name += QStringLiteral(".vn4d");
    return name;
}

}  // namespace vornel
