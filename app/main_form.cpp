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

#include "app/form_questions.h"
#include "app/program_settings.h"

static void init_main_form_resources() {
    Q_INIT_RESOURCE(main_form);
}

namespace vornel {

namespace {
QString program_folder(const QString& given) {
    return given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
}

WindowQuestions& questions_of(MainFormSetup& s, std::unique_ptr<WindowQuestions>& own,
                              QWidget* parent) {
    if (s.questions) return *s.questions;
    own = std::make_unique<MessageBoxQuestions>(parent);
    return *own;
}
}  // namespace

TMainForm::TMainForm(MainFormSetup setup)
    : questions_(std::make_unique<FormQuestions>(questions_of(setup, ownQuestions_, this),
                                                 [this](const QString& text) {
                                                     if (status_) status_->setText(text);
                                                 })),
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
    dialogQuestions_ = std::make_unique<FormDialogQuestions>(*questions_, this);
    host_ = new WindowHost(*mdi_, project_, *dialogQuestions_, this);
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

WindowQuestions& TMainForm::questions() {
    return *questions_;
}

// ---- Actions ------------------------------------------------------------------------------

QAction* TMainForm::makeAction(Cmd c, const QString& text, std::function<void()> slot) {
    auto* a = new QAction(text, this);
    connect(a, &QAction::triggered, this, [slot = std::move(slot)] { slot(); });
    act_[index_of(c)] = a;
    return a;
}

QAction* TMainForm::makeAction(Cmd c, const QString& text, void (TMainForm::*slot)()) {
    return makeAction(c, text, [this, slot] { (this->*slot)(); });
}

QAction* TMainForm::makeToggle(Cmd c, const QString& text, bool TProgramData::*flag,
                               TGridTable* table) {
    QAction* a = makeAction(c, text, [this, flag, table] { toggleSwitch(flag, table); });
    a->setCheckable(true);
    return a;
}

static void decorate(QAction* a, const char* icon, const char* hint) {
    a->setIcon(QIcon(QStringLiteral(":/vornel/icons/%1.svg").arg(QLatin1String(icon))));
    a->setToolTip(QString::fromLatin1(hint));
    a->setStatusTip(QString::fromLatin1(hint));
}

void TMainForm::createActions() {
    createFileActions();
    createDataActions();
    createOptionActions();
    createStageActions();
    createComputationActions();
    createGraphActions();
    createWindowHelpActions();
    create3DActions();
}

void TMainForm::createFileActions() {
    makeAction(Cmd::New, tr("&New"), &TMainForm::fileNew)->setShortcut(QKeySequence("Ctrl+N"));
    makeAction(Cmd::Open, tr("&Open..."), &TMainForm::fileOpen)
        ->setShortcut(QKeySequence("Ctrl+O"));
    makeAction(Cmd::Save, tr("&Save"), &TMainForm::fileSave)->setShortcut(QKeySequence("Ctrl+S"));
    makeAction(Cmd::SaveAs, tr("Save &As..."), &TMainForm::fileSaveAs);
    makeAction(Cmd::Exit, tr("E&xit"), [this] { close(); })->setShortcut(QKeySequence("Ctrl+Q"));
    decorate(action(Cmd::New), "new", "New Data File");
    decorate(action(Cmd::Open), "open", "Open Data File");
    decorate(action(Cmd::Save), "save", "Save Data File");
}

void TMainForm::createDataActions() {
    ProjectTables& t = project_.tables();
    auto dialog = [this](ChildKind k) { return [this, k] { showChild(k); }; };
    auto table = [this](TGridTable* tb) { return [this, tb] { showTable(*tb); }; };
    makeAction(Cmd::Title, tr("&Title"), dialog(ChildKind::Title));
    makeAction(Cmd::WallProperties, tr("Wall &Properties"), dialog(ChildKind::WallProperties));
    makeAction(Cmd::WallConfiguration, tr("&Wall Configuration"),
               dialog(ChildKind::WallConfiguration));
    makeAction(Cmd::SoilLayers, tr("&Soil Layer Data"), [this] { openSoilLayers(false, false); });
    makeAction(Cmd::SoilShortTerm, tr("Short-Term"), [this] { openSoilLayers(true, false); });
    makeAction(Cmd::SoilLongTerm, tr("Long-Term"), [this] { openSoilLayers(true, true); });
    makeAction(Cmd::DistLoad, tr("&Distributed Active Earth Pressure"),
               [this] { openDistributed(false, false); });
    makeAction(Cmd::DistShortTerm, tr("Short-Term"), [this] { openDistributed(true, false); });
    makeAction(Cmd::DistLongTerm, tr("Long-Term"), [this] { openDistributed(true, true); });
    makeAction(Cmd::Surcharge, tr("&Additional Surcharge Loads"), dialog(ChildKind::Surcharge));
    makeAction(Cmd::ConcentratedLoads, tr("&Concentrated Loads on the Wall"),
               dialog(ChildKind::ConcentratedLoads));
    makeAction(Cmd::Tieback, tr("Tieback (Ground Anchor) Data"), dialog(ChildKind::Tieback));
    makeAction(Cmd::Restraints, tr("&Boundary Condition on Deflection or Slope"),
               table(&t.SoilLayer));
    makeAction(Cmd::PYModifiers, tr("Modification &Factors for p-y Curves"), table(&t.PYMod));
    makeAction(Cmd::ExternalPY, tr("Sets of &External p-y Curves"), table(&t.PYCurves2));
    makeAction(Cmd::Springs, tr("&Lateral Springs and Rotational Restraints"),
               dialog(ChildKind::Springs));
    makeAction(Cmd::EICurves, tr("Sets of Nonlinear Moment vs EI Curves"), table(&t.MEICurves2));
    // Toolbar buttons of the data group, always enabled.
    decorate(makeAction(Cmd::TbTitle, tr("Title"), dialog(ChildKind::Title)), "title", "Title");
    decorate(
        makeAction(Cmd::TbWallProperties, tr("Wall Properties"), dialog(ChildKind::WallProperties)),
        "wall_properties", "Wall Properties");
    decorate(makeAction(Cmd::TbWallConfiguration, tr("Wall Configuration"),
                        dialog(ChildKind::WallConfiguration)),
             "wall_configuration", "Wall Configuration");
    decorate(
        makeAction(Cmd::TbSoilLayers, tr("Soil Layers"), [this] { openSoilLayers(false, false); }),
        "soil_layers", "Soil Layers");
}

void TMainForm::createOptionActions() {
    auto* units = new QActionGroup(this);
    const char* unit_texts[] = {"&English Units (lbs, in)", "&SI Units (kN, m)",
                                "&Other Units (F, L)"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = makeAction(static_cast<Cmd>(index_of(Cmd::UnitsEnglish) + i),
                                tr(unit_texts[i]), [this, i] { setUnits(i + 1); });
        a->setCheckable(true);
        units->addAction(a);
    }
    auto* pressure = new QActionGroup(this);
    const char* pressure_texts[] = {"Earth-Pressure Specified by User",
                                    "Generate Triangular-Distribution Earth-Pressure",
                                    "Generate Trapezoidal-Distribution Pressure (Anchored Walls)"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = makeAction(static_cast<Cmd>(index_of(Cmd::PressureUser) + i),
                                tr(pressure_texts[i]), [this, i] { setEarthPressure(i + 1); });
        a->setCheckable(true);
        pressure->addAction(a);
    }
    makeAction(Cmd::GeneratePY, tr("Generate &p-y Curves"), &TMainForm::toggleGeneratePY)
        ->setCheckable(true);
    ProjectTables& t = project_.tables();
    makeToggle(Cmd::UseConcentratedLoads, tr("Apply &Concentrated Loads"),
               &TProgramData::UseConcentratedLoads, &t.BoundCond);
    makeToggle(Cmd::UseTiebacks, tr("Apply Tieback (Ground  Anchor)"), &TProgramData::UseTiebacks,
               nullptr);
    makeToggle(Cmd::UseRestraints, tr("Apply &Restraints on Deflection or Slope"),
               &TProgramData::UseRestraints, &t.SoilLayer);
    makeToggle(Cmd::UseExternalPY, tr("Apply User Specified p-y Curves (&External)"),
               &TProgramData::UseExternalPY, &t.PYCurves2);
    makeToggle(Cmd::UseSprings, tr("Apply &Lateral Springs and Rotation Restraints"),
               &TProgramData::UseSprings, &t.SoilStrength);
    makeToggle(Cmd::UsePYModifiers, tr("Apply External p-y &Modification Factors "),
               &TProgramData::UsePYModifiers, &t.PYMod);
    makeToggle(Cmd::UseSurcharge, tr("Apply Additional Surcharge Loads"),
               &TProgramData::UseSurcharge, &t.SurchargeTable);
    makeToggle(Cmd::UseEICurves, tr("Apply Nonlinear Moment vs EI Curves"),
               &TProgramData::UseEICurves, &t.MEICurves2);
    makeAction(Cmd::LongTerm, tr("Conduct Short-Term and Long-Term &Analyses"),
               &TMainForm::toggleLongTerm)
        ->setCheckable(true);
    makeAction(Cmd::StagedAnalysis, tr("Conduct &Staged-Construction Analysis..."),
               &TMainForm::stagedModal)
        ->setCheckable(true);
    makeAction(Cmd::TextEditorOption, tr("&Option of Text Editor..."),
               [this] { showChild(ChildKind::ControlOptions); });
}

void TMainForm::createStageActions() {
    for (int n = 1; n <= 5; ++n) {
        QAction* a = makeAction(static_cast<Cmd>(index_of(Cmd::Stage1) + n - 1),
                                tr("Stage &%1").arg(n), [this, n] { switchStage(n); });
        a->setCheckable(true);
        a->setIcon(QIcon(QStringLiteral(":/vornel/icons/stage%1.svg").arg(n)));
        a->setToolTip(tr("Stage Const. %1").arg(n));
    }
    makeAction(Cmd::CopyPreviousStage, tr("Copy &Previous Stage"), &TMainForm::copyPreviousStage);
    decorate(makeAction(Cmd::TbStagedDialog, tr("Stage Construction Option"),
                        [this] { showChild(ChildKind::StagedOptions); }),
             "staged", "Stage Construction Option");
}

void TMainForm::createComputationActions() {
    decorate(makeAction(Cmd::Run, tr("&Run Analysis"), &TMainForm::runAnalysis), "run",
             "Run Analysis");
    makeAction(Cmd::EditInput, tr("Edit I&nput Text"), &TMainForm::editInput);
    makeAction(Cmd::EditNotes, tr("Edit &Processor-Run Notes"),
               [this] { editResultFile(".vn5r"); });
    decorate(
        makeAction(Cmd::EditOutput, tr("Edit &Output Text"), [this] { editResultFile(".vn5o"); }),
        "view_output", "View Output File");
    makeAction(Cmd::ViewWallGeometry, tr("&View Wall Geometry"),
               [this] { showChild(ChildKind::ProfileView); });
    decorate(makeAction(Cmd::View3D, tr("3D View"), &TMainForm::show3DView), "view3d", "3D View");
    decorate(makeAction(Cmd::TbSoilProfile, tr("View Soil Profile"),
                        [this] { showChild(ChildKind::ProfileView); }),
             "soil_profile", "View Soil Profile");
}

void TMainForm::createGraphActions() {
    const struct {
        const char *text, *icon, *hint;
    } graphs[] = {{"p-&y Curves", "py", "View p-y Curves"},
                  {"&Deflection vs Depth", "deflection", "Deflection Diagram"},
                  {"&Moment vs Depth", "moment", "Moment Diagram"},
                  {"&Shear vs Depth", "shear", "LShear Diagram"},
                  {"&Reaction vs Depth", "reaction", "Soil-Reaction Diagram"},
                  {"&Deflection, Moment and Shear", "dms", "Deflection, Moment and Shear"},
                  {"Earth &Pressure Distribution", "pressure", "Pressure Diagram"},
                  {"Earth Pressure Combined", nullptr, nullptr}};
    for (int i = 0; i < kResultGraphCount; ++i) {
        const auto g = static_cast<ResultGraph>(i);
        QAction* a = makeAction(static_cast<Cmd>(index_of(Cmd::GraphPY) + i), tr(graphs[i].text),
                                [this, g] { showGraph(g); });
        if (graphs[i].icon) decorate(a, graphs[i].icon, graphs[i].hint);
    }
    makeAction(Cmd::ExportExcel, tr("Export Plots To Excel"),
               [this] { factories_.modal(ModalKind::ExportExcel, *this); });
}

void TMainForm::createWindowHelpActions() {
    makeAction(Cmd::Cascade, tr("&Cascade"), [this] { mdi_->cascadeSubWindows(); });
    makeAction(Cmd::ArrangeIcons, tr("&Arrange Icons"), &TMainForm::arrangeIcons);
    makeAction(Cmd::HelpContents, tr("&Contents"),
               [this] { openHelpFile(main_text::kHelpContents); });
    makeAction(Cmd::UsersManual, tr("&User's Manual"),
               [this] { openHelpFile(main_text::kUsersManual); });
    makeAction(Cmd::TechnicalManual, tr("&Technical Manual"),
               [this] { openHelpFile(main_text::kTechnicalManual); });
    makeAction(Cmd::About, tr("&About..."), &TMainForm::about);
    makeAction(Cmd::CheckUpdates, tr("Check for &Updates"), &TMainForm::checkForUpdates);
}

void TMainForm::create3DActions() {
    const struct {
        Cmd cmd;
        const char *text, *icon;
    } tools[] = {{Cmd::ToolPanning, "Panning", "panning"},
                 {Cmd::ToolZoomWindow, "Zoom Window", "zoom_window"},
                 {Cmd::ToolZooming, "Zooming", "zooming"},
                 {Cmd::ToolRotating, "Rotating", "rotating"},
                 {Cmd::ToolZoomIn, "Zoom In", "zoom_in"},
                 {Cmd::ToolZoomOut, "Zoom Out", "zoom_out"},
                 {Cmd::ToolRestartView, "Restart View", "restart_view"},
                 {Cmd::ToolDeformedShape, "Deformed Shape", "deformed_shape"}};
    for (const auto& t : tools) {
        QAction* a = makeAction(t.cmd, tr(t.text), [this, c = t.cmd] { view3DCommand(c); });
        // The four mouse modes show which one is in force.
        a->setCheckable(index_of(t.cmd) <= index_of(Cmd::ToolRotating));
        decorate(a, t.icon, t.text);
    }
    const char* items[] = {"Wall",
                           "Soil Layers",
                           "Water Level",
                           "Additional Surcharge",
                           "Concentrated Loads",
                           "Tie Backs",
                           "Boundary Conditions",
                           "Lateral Springs",
                           "Deformed Shape"};
    for (int i = 0; i < 9; ++i) {
        const auto c = static_cast<Cmd>(index_of(Cmd::ShowWall) + i);
        makeAction(c, tr(items[i]), [this, c] { view3DCommand(c); })->setCheckable(i < 8);
    }
}

// ---- Menus --------------------------------------------------------------------------------

void TMainForm::createMenus() {
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->addActions(
        {action(Cmd::New), action(Cmd::Open), action(Cmd::Save), action(Cmd::SaveAs)});
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

    stageMenu_ = menuBar()->addMenu(tr("&Stage Construction"));
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
    computationMenu_->addActions({action(Cmd::ViewWallGeometry), action(Cmd::View3D)});

    createViewerMenus();
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        connect(m, &QMenu::aboutToShow, this, [this, m] { menuOpening(m); });
}

void TMainForm::createDataMenu() {
    dataMenu_ = menuBar()->addMenu(tr("Da&ta"));
    dataMenu_->addActions({action(Cmd::Title), action(Cmd::WallProperties),
                           action(Cmd::WallConfiguration), action(Cmd::SoilLayers)});
    soilMenu_ = dataMenu_->addMenu(tr("&Soil Layer Data"));
    soilMenu_->addActions({action(Cmd::SoilShortTerm), action(Cmd::SoilLongTerm)});
    act_[index_of(Cmd::SoilLayersMenu)] = soilMenu_->menuAction();
    dataMenu_->addAction(action(Cmd::DistLoad));
    distMenu_ = dataMenu_->addMenu(tr("&Distributed Active Earth Pressure"));
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

    show3DMenu_ = menuBar()->addMenu(tr("Show 3DView"));
    for (int i = index_of(Cmd::ShowWall); i <= index_of(Cmd::ShowDeformedShape); ++i)
        show3DMenu_->addAction(act_[i]);
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
        {Cmd::TbSoilProfile, Cmd::View3D},
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
    statusBar()->addWidget(status_, 1);
}

// ---- Settings -----------------------------------------------------------------------------

void TMainForm::readSettings() {
    host_->setTextEditor(ProgramSettings::readTextEditor());
}

void TMainForm::writeSettings() {
    ProgramSettings::write(host_->textEditor(), project_.recentFiles());
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
