#include "main_form_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTest>

namespace vornel::test {

bool RecordingDesktop::openUrl(const QUrl& url) {
    urls << url;
    return openSucceeds;
}

bool RecordingDesktop::startDetached(const QString& program, const QStringList& arguments) {
    started << (QStringList{program} + arguments);
    return startSucceeds;
}

void isolate_settings(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings("Dovrik", "VORNEL").clear();
}

namespace {
QString kind_caption(ChildKind k) {
    return QStringLiteral("dialog %1").arg(static_cast<int>(k));
}
}  // namespace

Harness::Harness(const QString& program_folder) {
    MainFormSetup setup;
    setup.questions = &questions;
    setup.desktop = &desktop;
    setup.programFolder = program_folder.isEmpty() ? QDir::tempPath() : program_folder;
    setup.factories.dialog = [](ChildKind k, TMainForm&) -> QWidget* {
        auto* w = new QLabel(kind_caption(k));
        w->setWindowTitle(kind_caption(k));
        return w;
    };
    setup.factories.table = [](TGridTable& t, TMainForm&) -> QWidget* {
        auto* w = new QLabel(t.Caption);
        w->setWindowTitle(t.Caption);
        return w;
    };
    form = std::make_unique<TMainForm>(std::move(setup));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

Harness::~Harness() {
    close_menus();
    if (form) form->project().setModified(false);
    if (form) form->project().tables().resetChanged();
}

QStringList Harness::childCaptions() const {
    QStringList out;
    for (QMdiSubWindow* s : form->mdiArea()->subWindowList())
        if (s->isVisible()) out << s->windowTitle();
    return out;
}

QMenu* open_menu(TMainForm& form, const QString& title) {
    close_menus();
    QMenuBar* bar = form.menuBar();
    for (QAction* a : bar->actions()) {
        if (a->text() != title) continue;
        if (!a->isVisible()) return nullptr;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(a).center());
        QMenu* m = a->menu();
        if (!QTest::qWaitFor([m] { return m->isVisible(); }, 2000)) return nullptr;
        return m;
    }
    return nullptr;
}

QAction* item(QMenu* menu, const QString& text) {
    if (!menu) return nullptr;
    // A hidden command may share its caption with the submenu that replaces it.
    for (QAction* a : menu->actions())
        if (a->text() == text && a->isVisible()) return a;
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    qWarning("menu item %s not found", qPrintable(text));
    return nullptr;
}

QMenu* open_submenu(QMenu* menu, const QString& title) {
    QAction* a = item(menu, title);
    if (!a || !a->menu()) return nullptr;
    menu->setActiveAction(a);
    QTest::keyClick(menu, Qt::Key_Right);
    QMenu* sub = a->menu();
    if (!QTest::qWaitFor([sub] { return sub->isVisible(); }, 2000)) return nullptr;
    return sub;
}

void click_item(QMenu* menu, const QString& text) {
    QAction* a = item(menu, text);
    if (!a) return;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

void choose(TMainForm& form, const QString& menu, const QString& text, const QString& sub_item) {
    QMenu* m = open_menu(form, menu);
    if (!m) return;
    if (sub_item.isEmpty()) {
        click_item(m, text);
    } else {
        click_item(open_submenu(m, text), sub_item);
    }
    close_menus();
}

void close_menus() {
    while (QWidget* p = QApplication::activePopupWidget()) p->close();
}

QStringList shown_items(QMenu* menu) {
    QStringList out;
    if (!menu) return out;
    for (QAction* a : menu->actions()) {
        if (!a->isVisible()) continue;
        if (a->isSeparator()) {
            out << QStringLiteral("-");
            continue;
        }
        QString t = (a->isEnabled() ? QStringLiteral("*") : QString()) + a->text();
        if (a->isChecked()) t += QStringLiteral("[x]");
        out << t;
    }
    return out;
}

QString copy_example(const QString& name, const QString& folder) {
    const QString target = QDir(folder).filePath(name);
    QFile::remove(target);
    QFile::copy(QStringLiteral(VORNEL_SOURCE_DIR "/examples/") + name, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

}  // namespace vornel::test
