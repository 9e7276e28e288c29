#include "view_3d_test_support.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QWidget>

namespace vornel::test {

void ViewProject::plainWall() {
    TProgramData& d = project.data();
    d.Increments = 10;
    d.IncrementLength = 12;
    d.ActiveWidth = 12;
    d.PYWidth = 120;
    d.GeneratePY = 0;
}

void ViewProject::load(const QString& relative) {
    const QString copy = folder.filePath(QFileInfo(relative).fileName());
    QFile::copy(QStringLiteral(VORNEL_SOURCE_DIR "/") + relative, copy);
    project.openFile(copy);
}

namespace {

void send(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton button,
          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(w, &e);
}

}  // namespace

void drag(QWidget* w, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers, int steps) {
    send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
    for (int i = 1; i <= steps; ++i) {
        const QPointF p = QPointF(from) + QPointF(to - from) * (double(i) / steps);
        send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, modifiers);
    }
    send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, modifiers);
}

void press_and_move(QWidget* w, QPoint from, QPoint to) {
    send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, {});
    send(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, {});
}

void release(QWidget* w, QPoint at) {
    send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {});
}

int count_colour(const QImage& img, const QRect& area, QRgb colour) {
    int n = 0;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixel(x, y) == colour) ++n;
    return n;
}

int differing_pixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

bool is_grey(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    return std::abs(r - g) < 12 && std::abs(g - b) < 12 && r > 120 && r < 235;
}

}  // namespace vornel::test
