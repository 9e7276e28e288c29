// Support for driving the main window as a user does: the recording questions answer them,
// a recording desktop, menus opened from the menu bar and items clicked in them, and stand-in
// child windows that record what the main window asked for.
#pragma once

#include <QList>
#include <QMenu>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "app/main_form.h"
#include "tests/support/recording_questions.h"

namespace vornel::test {

class RecordingDesktop : public Desktop {
  public:
    QList<QUrl> urls;
    QList<QStringList> started;  // program followed by its arguments
    bool startSucceeds = true;
    bool openSucceeds = true;
    bool openUrl(const QUrl& url) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
};

// A main window with scripted questions, a recording desktop, stand-in dialogs and table
// windows (plain widgets captioned with the dialog kind or the table caption), settings in a
// private folder and a program folder that can be pointed anywhere.
struct Harness {
    explicit Harness(const QString& program_folder = {});
    ~Harness();
    RecordingQuestions questions;
    RecordingDesktop desktop;
    QStringList childCaptions() const;  // the captions of the open child windows
    std::unique_ptr<TMainForm> form;
};

// Settings of the test process go to a private folder (call once in initTestCase).
void isolate_settings(const QString& folder);

// The menu of the menu bar with this title, opened by a click on the menu bar (so its rules
// are evaluated as they are for the user). Returns the open popup.
QMenu* open_menu(TMainForm& form, const QString& title);
// A submenu of an open menu, opened by hovering its item.
QMenu* open_submenu(QMenu* menu, const QString& title);
QAction* item(QMenu* menu, const QString& text);  // fails the test when missing
// Clicks an item of an open menu.
void click_item(QMenu* menu, const QString& text);
// Opens the menu, clicks the item (and its submenu item when given).
void choose(TMainForm& form, const QString& menu, const QString& text,
            const QString& sub_item = {});
void close_menus();
// The visible items of an open menu, "*" before enabled ones and "[x]" after checked ones,
// separators as "-".
QStringList shown_items(QMenu* menu);

// A copy of an example deck in `folder`; returns its path.
QString copy_example(const QString& name, const QString& folder);

}  // namespace vornel::test
