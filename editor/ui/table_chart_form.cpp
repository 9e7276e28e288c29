#include "editor/ui/table_chart_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/grid_table_chart.h"
#include "editor/grid_table_model.h"
#include "editor/questions.h"
#include "editor/ui/chart_view.h"
#include "editor/ui/window_host.h"

namespace vornel {

TTableChartForm::TTableChartForm(WindowHost& host, TGridTableChart& table, QWidget* parent)
    : TTableForm(host, table, parent), chart_table_(table) {
    // Only a table whose X and Y columns hold reals has a curve to draw; the section tables
    // of the moment-EI and p-y sets hold node numbers and sub-tables there.
    const auto real_column = [&table](int c) {
        return c >= 0 && c < table.columnCount() && table.column(c).type == ColumnType::Real;
    };
    if (table.graphic.showChart && real_column(table.graphic.xColumn) &&
        real_column(table.graphic.yColumn)) {
        chart_ = new ChartView(this);
        topRow()->addWidget(chart_, 0, Qt::AlignTop);
    }
    if (table.GetDataFromFile) buildFileControls();
    if (table.OKCancelButtons) buildOkCancel();
    for (int c = 0; c < table.columnCount(); ++c) {
        const ColumnType t = table.column(c).type;
        restorable_ = restorable_ && (t == ColumnType::Real || t == ColumnType::Integer);
    }
    for (int r = 0; restorable_ && r < table.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columnCount(); ++c)
            row << (table.column(c).type == ColumnType::Integer
                        ? QString::number(table.item(c, r))
                        : QString::number(table.real(c, r), 'g', 17));
        snapshot_.push_back(row);
    }
    tableChanged();
}

void TTableChartForm::buildFileControls() {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("File Name:"), this);
    file_name_ = new QLineEdit(this);
    file_name_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    label->setBuddy(file_name_);
    browseButton = new QPushButton(QStringLiteral("Browse"), this);
    row->addWidget(label);
    row->addWidget(file_name_, 1);
    row->addWidget(browseButton);
    mainLayout()->addLayout(row);
    auto* buttons = new QHBoxLayout;
    viewButton = new QPushButton(QStringLiteral("View/Edit File"), this);
    readButton = new QPushButton(QStringLiteral("Read values from File"), this);
    pasteButton = new QPushButton(QStringLiteral("Paste values from  Clipboard (text)"), this);
    for (QPushButton* b : {viewButton, readButton, pasteButton}) buttons->addWidget(b);
    buttons->addStretch();
    mainLayout()->addLayout(buttons);
    connect(file_name_, &QLineEdit::textChanged, this, &TTableChartForm::fileNameChanged);
    connect(browseButton, &QPushButton::clicked, this, &TTableChartForm::browse);
    connect(viewButton, &QPushButton::clicked, this, &TTableChartForm::viewFile);
    connect(readButton, &QPushButton::clicked, this, &TTableChartForm::readFile);
    connect(pasteButton, &QPushButton::clicked, this, &TTableChartForm::paste);
    fileNameChanged();
}

void TTableChartForm::buildOkCancel() {
    auto* row = new QHBoxLayout;
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    mainLayout()->addLayout(row);
    auto closeWindow = [this] {
        if (QMdiSubWindow* sub = host().subWindowOf(this)) sub->close();
    };
    connect(okButton, &QPushButton::clicked, this, closeWindow);
    connect(cancelButton, &QPushButton::clicked, this, [this, closeWindow] {
        cancel();
        closeWindow();
    });
}

void TTableChartForm::tableChanged() {
    if (chart_) chart_->setPicture(ChartPicture::of(chart_table_));
}

void TTableChartForm::fileNameChanged() {
    const bool exists = QFileInfo(file_name_->text()).isFile();
    viewButton->setEnabled(exists);
    readButton->setEnabled(exists);
}

void TTableChartForm::browse() {
    const auto chosen = host().questions().askOpenFileName(
        {{},
         file_name_->text(),
         QStringLiteral("Text Files (*.txt);;Data Files (*.dat);;All Files (*)"),
         {}});
    if (chosen) file_name_->setText(chosen->path);
}

void TTableChartForm::viewFile() {
    const QString editor =
        host().textEditor().isEmpty() ? QStringLiteral("xdg-open") : host().textEditor();
    if (!QProcess::startDetached(editor, {file_name_->text()}))
        host().questions().inform(chart_form_text::kEditorFailed);
}

void TTableChartForm::readFile() {
    if (!entryValid()) return;
    const ReadValuesResult r = chart_table_.readValuesFromFile(file_name_->text());
    reloadRows();
    if (!r.message.isEmpty()) host().questions().inform(r.message);
}

void TTableChartForm::paste() {
    if (!entryValid()) return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        host().questions().inform(chart_text::kNoClipboardText);
        return;
    }
    const ReadValuesResult r = chart_table_.pasteValues(text);
    reloadRows();
    if (!r.message.isEmpty()) host().questions().inform(r.message);
}

void TTableChartForm::cancel() {
    if (!restorable_) return;
    discardEntry();
    chart_table_.setRowCount(static_cast<int>(snapshot_.size()));
    for (int r = 0; r < static_cast<int>(snapshot_.size()); ++r)
        for (int c = 0; c < chart_table_.columnCount(); ++c) {
            if (chart_table_.column(c).type == ColumnType::Integer)
                chart_table_.setInteger(c, r, snapshot_[r][c].toInt());
            else
                chart_table_.setReal(c, r, snapshot_[r][c].toDouble());
        }
}

}  // namespace vornel
