// The main window's construction: actions, menus, toolbar, status bar and settings.
#include "app/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "app/program_settings.h"

static void init_main_form_resources() {
    Q_INIT_RESOURCE(main_form);
}

namespace vornel {

namespace {
QString program_folder(const QString& given) {
    return given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
}

// The message boxes of the program, parented to the main window, with the status bar as
// the sink of status texts.
std::unique_ptr<MessageBoxQuestions> message_boxes(const MainFormSetup& s, QWidget* parent) {
    if (s.questions) return nullptr;
    return std::make_unique<MessageBoxQuestions>(parent);
}
}  // namespace

TMainForm::TMainForm(MainFormSetup setup)
    : ownQuestions_(message_boxes(setup, this)),
      questions_(setup.questions ? setup.questions : ownQuestions_.get()),
      ownDesktop_(setup.desktop ? nullptr : std::make_unique<SystemDesktop>()),
      desktop_(setup.desktop ? setup.desktop : ownDesktop_.get()),
      folder_(program_folder(setup.programFolder)),
      project_(*questions_),
      run_(project_, *questions_, folder_),
      results_(*questions_),
      factories_(std::move(setup.factories)) {
    init_main_form_resources();
    // The hourglass while the engine runs; the call blocks the window until it returns.
    run_.setBusyHook([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    setWindowIcon(QIcon(QStringLiteral(":/vornel/icons/vornel.svg")));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    if (ownQuestions_)
        ownQuestions_->setStatusSink([this](const QString& text) {
            if (status_) status_->setText(text);
        });
    host_ = new WindowHost(*mdi_, project_, *questions_, this);
    host_->setFactories({[this](ChildKind k, WindowHost&) -> QWidget* {
                             return factories_.dialog ? factories_.dialog(k, *this) : nullptr;
                         },
                         [this](TGridTable& t, WindowHost&) -> QWidget* {
                             return factories_.table ? factories_.table(t, *this) : nullptr;
                         }});
    connect(this, &TMainForm::unitSystemChanged, host_, &WindowHost::unitsChanged);
    connect(host_, &WindowHost::stagesChanged, this, &TMainForm::refreshCommands);
    connect(host_, &WindowHost::modifiedChanged, this, &TMainForm::refreshCommands);
    connect(host_, &WindowHost::childrenChanged, this, [this] { applyCommandStates(); });
    setAcceptDrops(true);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    readSettings();

    resize(1100, 760);
    afterProjectChanged();
}

TMainForm::~TMainForm() {
    // The child windows go first (closed ones waiting for deletion included), while the
    // window they report to and the project whose tables they show are still whole.
    const QList<QMdiSubWindow*> subs = mdi_->findChildren<QMdiSubWindow*>();
    const QList<QPointer<QMdiSubWindow>> guarded(subs.begin(), subs.end());
    for (const QPointer<QMdiSubWindow>& sub : guarded) {
        if (!sub) continue;
        disconnect(sub, nullptr, host_, nullptr);
        delete sub.data();
    }
}

// ---- Actions ------------------------------------------------------------------------------

// Every command of the table becomes one action; the menus and the toolbar hold these.
void TMainForm::createActions() {
    for (const CommandInfo& info : command_table()) {
        const int i = index_of(info.id);
        if (i >= index_of(Cmd::SoilLayersMenu)) continue;  // submenus: their menus' actions
        auto* a = new QAction(tr(info.text), this);
        if (info.icon)
            a->setIcon(
                QIcon(QStringLiteral(":/vornel/icons/%1.svg").arg(QLatin1String(info.icon))));
        if (info.hint) {
            a->setToolTip(QString::fromLatin1(info.hint));
            a->setStatusTip(QString::fromLatin1(info.hint));
        }
        if (info.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        a->setCheckable(info.checkable);
        connect(a, &QAction::triggered, this, [this, c = info.id] { runCommand(c); });
        act_[i] = a;
    }
    // The units and the earth-pressure options are radio items.
    auto* units = new QActionGroup(this);
    for (Cmd c : {Cmd::UnitsEnglish, Cmd::UnitsSI, Cmd::UnitsOther}) units->addAction(action(c));
    auto* pressure = new QActionGroup(this);
    for (Cmd c : {Cmd::PressureUser, Cmd::PressureTriangular, Cmd::PressureTrapezoidal})
        pressure->addAction(action(c));
}

// ---- Menus --------------------------------------------------------------------------------

void TMainForm::createMenus() {
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->addActions({action(Cmd::New), action(Cmd::Open), action(Cmd::Save),
                           action(Cmd::SaveAs), action(Cmd::PrintReport),
                           action(Cmd::ExportReport)});
    fileMenu_->addSeparator();
    for (int i = 0; i < RecentFiles::kMax; ++i) {
        auto* a = new QAction(this);
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { openRecent(i); });
        recentActions_ << a;
        fileMenu_->addAction(a);
    }
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addAction(action(Cmd::Exit));

    createDataMenu();
    createOptionsMenu();

    stageMenu_ = menuBar()->addMenu(tr(command_info(Cmd::StageMenu).text));
    for (int n = 0; n < 5; ++n) stageMenu_->addAction(act_[index_of(Cmd::Stage1) + n]);
    stageMenu_->addSeparator();
    stageMenu_->addAction(action(Cmd::CopyPreviousStage));
    act_[index_of(Cmd::StageMenu)] = stageMenu_->menuAction();

    computationMenu_ = menuBar()->addMenu(tr("&Computation"));
    computationMenu_->addAction(action(Cmd::Run));
    computationMenu_->addSeparator();
    computationMenu_->addActions(
        {action(Cmd::EditInput), action(Cmd::EditNotes), action(Cmd::EditOutput)});
    computationMenu_->addSeparator();
    computationMenu_->addActions(
        {action(Cmd::ViewWallGeometry), action(Cmd::View3D), action(Cmd::ResultsSummary)});

    createViewerMenus();
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        connect(m, &QMenu::aboutToShow, this, [this, m] { menuOpening(m); });
}

void TMainForm::createDataMenu() {
    dataMenu_ = menuBar()->addMenu(tr("Da&ta"));
    dataMenu_->addActions({action(Cmd::Title), action(Cmd::WallProperties),
                           action(Cmd::WallConfiguration), action(Cmd::SoilLayers)});
    soilMenu_ = dataMenu_->addMenu(tr(command_info(Cmd::SoilLayersMenu).text));
    soilMenu_->addActions({action(Cmd::SoilShortTerm), action(Cmd::SoilLongTerm)});
    act_[index_of(Cmd::SoilLayersMenu)] = soilMenu_->menuAction();
    dataMenu_->addAction(action(Cmd::DistLoad));
    distMenu_ = dataMenu_->addMenu(tr(command_info(Cmd::DistLoadMenu).text));
    distMenu_->addActions({action(Cmd::DistShortTerm), action(Cmd::DistLongTerm)});
    act_[index_of(Cmd::DistLoadMenu)] = distMenu_->menuAction();
    dataMenu_->addSeparator();
    for (Cmd c : {Cmd::Surcharge, Cmd::ConcentratedLoads, Cmd::Tieback, Cmd::Restraints,
                  Cmd::PYModifiers, Cmd::ExternalPY, Cmd::Springs, Cmd::EICurves})
        dataMenu_->addAction(action(c));
}

void TMainForm::createOptionsMenu() {
    optionsMenu_ = menuBar()->addMenu(tr("&Options"));
    unitsMenu_ = optionsMenu_->addMenu(tr("&Units"));
    unitsMenu_->addActions(
        {action(Cmd::UnitsEnglish), action(Cmd::UnitsSI), action(Cmd::UnitsOther)});
    pressureMenu_ = optionsMenu_->addMenu(tr("Earth-Pressure Options"));
    pressureMenu_->addActions({action(Cmd::PressureUser), action(Cmd::PressureTriangular),
                               action(Cmd::PressureTrapezoidal)});
    optionsMenu_->addSeparator();
    for (Cmd c : {Cmd::GeneratePY, Cmd::UseConcentratedLoads, Cmd::UseTiebacks, Cmd::UseRestraints,
                  Cmd::UseExternalPY, Cmd::UseSprings, Cmd::UsePYModifiers, Cmd::UseSurcharge,
                  Cmd::UseEICurves})
        optionsMenu_->addAction(action(c));
    optionsMenu_->addSeparator();
    optionsMenu_->addActions({action(Cmd::LongTerm), action(Cmd::StagedAnalysis)});
    optionsMenu_->addSeparator();
    optionsMenu_->addAction(action(Cmd::TextEditorOption));
}

void TMainForm::createViewerMenus() {
    graphicsMenu_ = menuBar()->addMenu(tr("&Graphics"));
    for (int i = 0; i < kResultGraphCount; ++i) {
        if (i == index_of(Cmd::GraphPressure) - index_of(Cmd::GraphPY))
            graphicsMenu_->addSeparator();
        graphicsMenu_->addAction(act_[index_of(Cmd::GraphPY) + i]);
    }
    graphicsMenu_->addSeparator();
    graphicsMenu_->addAction(action(Cmd::ExportExcel));

    show3DMenu_ = menuBar()->addMenu(tr(command_info(Cmd::Show3DMenu).text));
    for (int i = index_of(Cmd::ShowWall); i <= index_of(Cmd::ShowDeformedShape); ++i)
        show3DMenu_->addAction(act_[i]);
    show3DMenu_->addSeparator();
    show3DMenu_->addActions({action(Cmd::ShowSavePicture), action(Cmd::ShowPrint)});
    act_[index_of(Cmd::Show3DMenu)] = show3DMenu_->menuAction();

    windowMenu_ = menuBar()->addMenu(tr("&Window"));
    windowMenu_->addActions({action(Cmd::Cascade), action(Cmd::ArrangeIcons)});
    windowSeparator_ = windowMenu_->addSeparator();

    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    helpMenu_->addActions(
        {action(Cmd::HelpContents), action(Cmd::UsersManual), action(Cmd::TechnicalManual)});
    helpMenu_->addSeparator();
    helpMenu_->addActions({action(Cmd::About), action(Cmd::CheckUpdates)});
}

void TMainForm::createToolBars() {
    toolBar_ = addToolBar(tr("Tools"));
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    const QList<QList<Cmd>> groups = {
        {Cmd::New, Cmd::Open, Cmd::Save},
        {Cmd::TbTitle, Cmd::TbWallProperties, Cmd::TbWallConfiguration, Cmd::TbSoilLayers},
        {Cmd::Run, Cmd::TbStagedDialog, Cmd::EditOutput},
        {Cmd::TbSoilProfile, Cmd::View3D, Cmd::ResultsSummary},
        {Cmd::GraphPY, Cmd::GraphDeflection, Cmd::GraphMoment, Cmd::GraphShear, Cmd::GraphReaction,
         Cmd::GraphDMS, Cmd::GraphPressure},
        {Cmd::Stage1, Cmd::Stage2, Cmd::Stage3, Cmd::Stage4, Cmd::Stage5},
        {Cmd::ToolPanning, Cmd::ToolZoomWindow, Cmd::ToolZooming, Cmd::ToolRotating,
         Cmd::ToolZoomIn, Cmd::ToolZoomOut, Cmd::ToolRestartView, Cmd::ToolDeformedShape}};
    for (qsizetype g = 0; g < groups.size(); ++g) {
        QAction* separator = g > 0 ? toolBar_->addSeparator() : nullptr;
        for (Cmd c : groups[g]) toolBar_->addAction(action(c));
        if (separator) toolGroups_.append({separator, groups[g]});
    }
}

void TMainForm::createStatusBar() {
    status_ = new QLabel(this);
    // Permanent: the hints of menu items and toolbar buttons do not hide the stage.
    statusBar()->addPermanentWidget(status_, 1);
}

// ---- Settings -----------------------------------------------------------------------------

void TMainForm::readSettings() {
    host_->setTextEditor(ProgramSettings::readTextEditor());
}

void TMainForm::writeSettings() {
    ProgramSettings::write(host_->textEditor(), project_.recentFiles());
}

// Back in the program, the files beside the project may have come or gone meanwhile (a run in a
// terminal, a file manager): the toolbar shows what the menus would show.
void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && act_[0]) applyCommandStates();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (settingsReadOnShow_) return;
    settingsReadOnShow_ = true;
    QString editor = host_->textEditor();
    ProgramSettings::readOnShow(editor, project_.recentFiles());
    host_->setTextEditor(editor);
    updateRecentFiles();
}

}  // namespace vornel
