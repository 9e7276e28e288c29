#include "viewer/ui/export_dialog.h"

#include "editor/questions.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vornel {

namespace export_text {

QString offerToOpen(const QString& path) {
    return QStringLiteral("The workbook %1 has been written. Do you want to open it?")
        .arg(QDir::toNativeSeparators(path));
}

QString notWritten(const QString& reason) {
    QString text = QStringLiteral("The workbook was not written. ") + reason;
    if (!text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
    return text;
}

QString cannotOpen(const QString& path) {
    return QStringLiteral("No application is available to open %1.")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace export_text

TDlgExport::TDlgExport(ExportSource& source, Questions& questions, QWidget* parent)
    : QDialog(parent), source_(source), questions_(&questions) {
    fallbackFolder_ = QDir::currentPath();
    buildWindow();
    refresh();
}

TDlgExport::~TDlgExport() = default;

void TDlgExport::buildWindow() {
    setWindowTitle(QLatin1String(export_text::kCaption));
    setObjectName(QStringLiteral("DlgExport"));
    auto* group = new QGroupBox(QLatin1String(export_text::kGroup), this);
    CheckListBoxPlots = new QListWidget(group);
    CheckListBoxPlots->setObjectName(QStringLiteral("CheckListBoxPlots"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(CheckListBoxPlots);

    auto button = [this](const char* text, const char* name) {
        auto* b = new QPushButton(QLatin1String(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    btnSelectAll = button(export_text::kSelectAll, "btnSelectAll");
    btnUnselectAll = button(export_text::kUnselectAll, "btnUnselectAll");
    btnGenerate = button(export_text::kGenerate, "btnGenerate");
    btnClose = button(export_text::kClose, "btnClose");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {btnSelectAll, btnUnselectAll, btnGenerate, btnClose})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(group, 1);
    top->addLayout(buttons);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top, 1);
    for (const char* note :
         {export_text::kNoteOpen, export_text::kNoteWait, export_text::kNoteSave})
        main->addWidget(new QLabel(QLatin1String(note), this));

    connect(btnSelectAll, &QPushButton::clicked, this, [this] { setAllTicked(true); });
    connect(btnUnselectAll, &QPushButton::clicked, this, [this] { setAllTicked(false); });
    connect(btnGenerate, &QPushButton::clicked, this, &TDlgExport::generateClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(CheckListBoxPlots, &QListWidget::itemChanged, this, &TDlgExport::updateGenerate);
}

void TDlgExport::refresh() {
    const QSignalBlocker block(CheckListBoxPlots);
    CheckListBoxPlots->clear();
    for (const ExportItem& e : source_.exportItems()) {
        auto* item = new QListWidgetItem(e.caption, CheckListBoxPlots);
        item->setFlags(e.enabled
                           ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                           : Qt::ItemIsUserCheckable);
        item->setCheckState(e.enabled && e.checked ? Qt::Checked : Qt::Unchecked);
    }
    updateGenerate();
}

void TDlgExport::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

std::vector<int> TDlgExport::tickedPositions() const {
    std::vector<int> out;
    for (int i = 0; i < CheckListBoxPlots->count(); ++i) {
        const QListWidgetItem* item = CheckListBoxPlots->item(i);
        if (item->flags().testFlag(Qt::ItemIsEnabled) && item->checkState() == Qt::Checked)
            out.push_back(i);
    }
    return out;
}

void TDlgExport::setAllTicked(bool on) {
    {
        const QSignalBlocker block(CheckListBoxPlots);
        for (int i = 0; i < CheckListBoxPlots->count(); ++i) {
            QListWidgetItem* item = CheckListBoxPlots->item(i);
            if (item->flags().testFlag(Qt::ItemIsEnabled))
                item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        }
    }
    updateGenerate();
}

void TDlgExport::updateGenerate() {
    btnGenerate->setEnabled(!tickedPositions().empty());
}

// The workbook's path: the Save dialog's answer, with ".xlsx" added when no extension was typed.
std::optional<QString> TDlgExport::askTarget() {
    const QString suggested = suggested_workbook_path(source_.dataFileName(), fallbackFolder_);
    const auto chosen = questions_->askSaveFileName({QLatin1String(export_text::kCaption),
                                                     suggested,
                                                     QLatin1String(export_text::kSaveFilter),
                                                     {}});
    if (!chosen) return std::nullopt;
    QString path = chosen->path;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xlsx");
    return path;
}

void TDlgExport::generateClick() {
    const std::vector<int> positions = tickedPositions();
    if (positions.empty()) return;
    const std::optional<QString> path = askTarget();
    if (!path) return;
    std::vector<WorkbookGraph> graphs;
    for (int p : positions) graphs.push_back(source_.exportGraph(p));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = write_workbook(*path, graphs);
    QApplication::restoreOverrideCursor();
    const QString caption = QLatin1String(export_text::kCaption);
    if (!error.isEmpty()) {
        questions_->inform(export_text::notWritten(error), caption);
        return;
    }
    if (questions_->askYesNo(export_text::offerToOpen(*path), caption) &&
        !questions_->openWithDesktop(*path))
        questions_->inform(export_text::cannotOpen(*path), caption);
}

}  // namespace vornel
