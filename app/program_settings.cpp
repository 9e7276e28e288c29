#include "app/program_settings.h"

#include <QSettings>

#include "app/desktop.h"

namespace vornel {

namespace {
struct Group {
    QSettings settings{QString::fromLatin1(settings_key::kOrganisation),
                       QString::fromLatin1(settings_key::kApplication)};
    Group() { settings.beginGroup(QString::fromLatin1(settings_key::kGroup)); }
};
}  // namespace

QString ProgramSettings::readTextEditor() {
    Group g;
    const QString editor =
        g.settings.value(QString::fromLatin1(settings_key::kWordProcessor)).toString().trimmed();
    return editor.isEmpty() ? QString::fromLatin1(kDefaultTextEditor) : editor;
}

bool ProgramSettings::readOnShow(QString& editor, RecentFiles& recent) {
    Group g;
    if (g.settings.status() != QSettings::NoError) {
        editor.clear();
        recent = RecentFiles{};
        return false;
    }
    const QString stored =
        g.settings.value(QString::fromLatin1(settings_key::kWordProcessor)).toString().trimmed();
    if (!stored.isEmpty()) editor = stored;
    recent.load(g.settings);
    return true;
}

void ProgramSettings::write(const QString& editor, const RecentFiles& recent) {
    Group g;
    g.settings.setValue(QString::fromLatin1(settings_key::kWordProcessor), editor);
    recent.save(g.settings);
}

}  // namespace vornel
