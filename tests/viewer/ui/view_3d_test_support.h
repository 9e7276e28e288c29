// Helpers of the 3D view's window tests: the recording questions of the view and the project, a
// project to look at, and mouse drags as a user makes them.
#pragma once

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "editor/project.h"
#include "tests/support/recording_questions.h"
#include "viewer/ui/view_3d_text.h"

class QWidget;

namespace vornel::test {

struct ViewProject {
    RecordingQuestions projectQuestions;
    Project project{projectQuestions};
    // A plain wall without soil: 10 increments of 12 in (L = 10 ft), 1 ft panels and a
    // thickness of 1 ft, so it shows wide at the centre of the view.
    void plainWall();
    // An example deck read through the project facade, from a copy in a private folder (a
    // staged deck writes its stage files beside itself).
    void load(const QString& relative);
    QTemporaryDir folder;
};

// A left-button drag from `from` to `to` in `steps` moves, with `modifiers` held.
void drag(QWidget* w, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}, int steps = 4);
// The two halves of a drag: press and move with the left button, and the release.
void press_and_move(QWidget* w, QPoint from, QPoint to);
void release(QWidget* w, QPoint at);
int differing_pixels(const QImage& a, const QImage& b);
int count_colour(const QImage& img, const QRect& area, QRgb colour);
bool is_grey(QRgb c);

}  // namespace vornel::test
