#include "editor/staging.h"

#include <QFileInfo>
#include <QList>

namespace vornel {

QString stage_file_name(const QString& data_file, int stage) {
    const qsizetype slash =
        std::max(data_file.lastIndexOf(QLatin1Char('/')), data_file.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = data_file.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > slash ? data_file.left(dot) : data_file;
    return base + QStringLiteral(".st") + QString::number(stage);
}

namespace {
QList<QByteArray> file_lines(const QByteArray& content) {
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    for (auto& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    return lines;
}
}  // namespace

std::vector<QByteArray> split_stages(const QByteArray& content, int stage_count) {
    const QList<QByteArray> lines = file_lines(content);
    std::vector<QByteArray> decks;
    if (stage_count < 1 || lines.isEmpty()) return decks;
    decks.emplace_back();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool marker = i > 0 && lines[i].contains(" Stage No :");
        if (marker && static_cast<int>(decks.size()) < stage_count) decks.emplace_back();
        decks.back() += lines[i] + "\r\n";
    }
    return decks;
}

QString missing_stages_text(const QString& data_file, int count, int found) {
    const QString which =
        found + 1 == count
            ? QStringLiteral("stage %1 is missing").arg(count)
            : QStringLiteral("stages %1 to %2 are missing").arg(found + 1).arg(count);
    return QStringLiteral("The data file %1 announces %2 stages, but %3.")
        .arg(data_file)
        .arg(count)
        .arg(which);
}

void append_deck(QByteArray& joined, const QByteArray& deck) {
    joined += deck;
    if (!deck.isEmpty() && !deck.endsWith('\n')) joined += "\r\n";
}

}  // namespace vornel
