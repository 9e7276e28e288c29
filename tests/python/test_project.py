"""Projects through the editor's model: names, checks, files, stages, physics."""

import math
import pickle
import shutil
import subprocess

import pytest

import vornel
from conftest import EXAMPLES, SOURCE

LAYERED = SOURCE / "examples" / "cantilever_layered.vn5d"


def max_moment(project):
    return abs(vornel.analyse(project).problems[0].maxima["moment"][0])


def test_a_stronger_sand_fill_carries_less_moment():
    # The retained sand fill (layer 1, above the excavation) pushes with the active
    # coefficient tan^2(45 - phi/2): a larger friction angle, less thrust, less moment.
    moments = []
    for phi in (28, 32, 36, 40):
        p = vornel.Project.open(LAYERED)
        fill = p.table("Soil Layers").sub(1)
        fill[1, "Friction Angle"] = phi
        fill[2, "Friction Angle"] = phi
        moments.append(max_moment(p))
    assert moments == sorted(moments, reverse=True) and len(set(moments)) == 4


def test_active_pressure_in_the_fill_follows_rankine():
    # Level dry fill, no wall friction: p(z) = Ka gamma z Wa, so the pressure at one depth
    # scales with Ka between two friction angles.
    def pressure_at_top_layer(phi):
        p = vornel.Project.open(LAYERED)
        fill = p.table("Soil Layers").sub(1)
        fill[1, "Friction Angle"] = fill[2, "Friction Angle"] = phi
        t = vornel.analyse(p).problems[0].pressure
        row = t[(t.depth > 24) & (t.depth < 72)].iloc[0]
        return row.depth, row.total

    ka = lambda phi: math.tan(math.radians(45 - phi / 2)) ** 2
    (z1, p1), (z2, p2) = pressure_at_top_layer(30), pressure_at_top_layer(38)
    assert z1 == z2
    assert p2 / p1 == pytest.approx(ka(38) / ka(30), rel=2e-3)


@pytest.mark.parametrize("table,row,column,value,rule", [
    ("Wall Stiffness", 1, "From Node No. (Start)", -1, "Entry must be between 0 and 2147483600."),
    ("Wall Stiffness", 1, "From Node No. (Start)", 2.5, "Entry must be an integer."),
    ("Wall Stiffness", 1, "Constant or Interpolate?", 3, "Entry must be between 1 and 2."),
    ("Wall Stiffness", 1, "Flexural Stiffness (EI)", float("inf"), "Entry must be a finite number."),
    ("Wall Stiffness", 1, "Flexural Stiffness (EI)", "2*", "Entry could not be evaluated:\ninvalid expression"),
    ("Soil Layers", 1, "Soil Type", "Gravel",
     "Entry must be one of Soft Clay, Stiff Clay with Free Water, Stiff Clay w/o Free Water, "
     "Sand, Silt (c-phi soil), Strong Rock, Weak Rock."),
    ("Nonlinear Moment vs EI Curves", 1, "To Node No. (End)", 1001, "Entry must be between 0 and 1000."),
])
def test_cells_refuse_what_the_table_window_refuses(table, row, column, value, rule):
    t = vornel.Project().table(table)
    before = t[row, column]
    with pytest.raises(vornel.InputError) as e:
        t[row, column] = value
    assert (e.value.table, e.value.row, e.value.column, e.value.rule) == (
        t.caption, row, t.columns[t.column_index(column) - 1], rule)
    assert t[row, column] == before


@pytest.mark.parametrize("name,value,dialog,rule", [
    ("BackfillSlope", 46, "Wall Configuration", "Entry must be less than or equal to 45"),
    ("BackfillSlope", -45.5, "Wall Configuration", "Entry must be greater than or equal to -45"),
    ("Increments", 301, "Wall Properties", "Entry must be less than or equal to 300"),
    ("Increments", 0, "Wall Properties", "Entry must be greater than or equal to 1"),
    ("Increments", 7.5, "Wall Properties", "Entry must be an integer."),
    ("PYWidth", 120.5, "Wall Configuration", "Entry must be less than or equal to 120"),
    # English free height is shown in ft: 12,000,012 in is 1,000,001 ft.
    ("FreeHeight", 12000012, "Wall Configuration", "Entry must be less than or equal to 1000000"),
    ("EarthPressureOption", 4, "Options", "Entry must be 1, 2 or 3."),
    ("ActiveFactor", float("nan"), "Wall Configuration", "Entry must be a finite number."),
    ("ClosureTolerance", float("inf"), "Wall Properties", "Entry must be a finite number."),
])
def test_values_refuse_what_the_dialog_fields_refuse(name, value, dialog, rule):
    p = vornel.Project()
    before = p[name]
    with pytest.raises(vornel.InputError) as e:
        p[name] = value
    assert (e.value.table, e.value.rule) == (dialog, rule)
    assert p[name] == before


def test_values_at_their_bounds_are_taken_by_any_of_their_names():
    p = vornel.Project()
    for name, member, value in [
            ("Slope of the backfill, Beta", "BackfillSlope", 45),
            ("&Increments (nodes)", "Increments", 300),
            ("FreeHeight", "FreeHeight", 12e6),
            ("ActiveWidth", "ActiveWidth", 1200),
            ("Apply &Lateral Springs and Rotation Restraints", "UseSprings", True)]:
        p[name] = value
        assert p[member] == value
    assert (p.unit("FreeHeight"), p.unit("SurfaceLoad")) == ("in", "lbs/in^2")
    p.unit_system = 2
    assert (p.unit("FreeHeight"), p.table("Soil Layers").unit("Depth at Bottom")) == ("m", "m")
    assert p["FreeHeight"] == pytest.approx(12e6 * 0.0254)
    beta = next(f for f in p.fields() if f["name"] == "BackfillSlope")
    assert (beta["dialog"], beta["min"], beta["max"], beta["value"]) == (
        "Wall Configuration", -45, 45, 45)


def deck_beyond_the_toe():
    p = vornel.Project.open(LAYERED)
    p.table("Wall Stiffness")[1, "To Node No. (End)"] = 74  # the toe is station 72
    return p


@pytest.mark.parametrize("source,message", [
    (deck_beyond_the_toe, "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"),
    (lambda: "hello\n", "ERROR STOP -- END OF FILE IN CONTROL LINE, LINE 1"),
    (lambda: "T\n1 0 1 0 0 0 0 1 0 0\n5 12 100 1e-5 0 12\n\n0 5 1 abc\n",
     'ERROR STOP -- MALFORMED NUMBER "abc" IN STIFFNESS ROW 1, LINE 5'),
])
def test_error_stops_raise_the_report_message(source, message):
    with pytest.raises(vornel.AnalysisError) as e:
        vornel.analyse(source())
    assert e.value.message == message
    assert "\n     " + message in e.value.results.report


def test_rows_beyond_the_table_limits_are_refused():
    t = vornel.Project().table("Soil Layers")
    with pytest.raises(vornel.InputError) as e:
        t.resize(11)
    assert (e.value.table, e.value.rule) == ("Soil Layers", "The table takes 1 to 10 rows.")
    t.resize(10)
    assert len(t) == 10 and t[10, "Soil Type"] == "Soft Clay"


def test_a_project_built_in_python_is_read_and_run_by_the_program(tmp_path, vornel_run):
    p = vornel.Project()
    p.title = "Scripted cantilever"
    for name, value in [("Increments", 60), ("IncrementLength", 6.0), ("FreeHeight", 120.0),
                        ("ActiveWidth", 12.0), ("PYWidth", 12.0), ("WaterDepthBackfill", 1200.0),
                        ("WaterDepthExcavation", 1200.0)]:
        p[name] = value
    stiffness = p.table("Wall Stiffness")
    stiffness[1, "To Node"] = 60
    stiffness[1, "Flexural Stiffness (EI)"] = 5.34e9
    layers = p.table("Soil Layers")
    layers.resize(2)
    layers[1, "Soil Type"] = "Sand"
    layers[1, "Depth at Bottom"] = 15          # ft
    layers[2, "Soil Type"] = "Sand"
    layers[2, "Depth at Bottom"] = "2*20"      # a typed expression, ft
    for layer in (1, 2):
        sand = layers.sub(layer)
        for row in (1, 2):
            sand[row, "Total Unit Weight"] = 115  # lbs/ft^3
            sand[row, "Friction Angle"] = 34
            sand[row, "k(py)"] = 90
    assert (layers.unit("Depth at Bottom"), layers.sub(1).unit("Total Unit Weight")) == (
        "ft", "lbs/ft^3")
    deck = tmp_path / "scripted.vn5d"
    p.save(deck)
    assert vornel.Project.open(deck).deck_text() == p.deck_text()
    ours = vornel.analyse(p).problems[0]
    theirs = vornel_run(deck, tmp_path)["problems"][0]
    assert ours.converged
    for what in ("deflection", "moment", "shear"):
        assert ours.maxima[what] == (theirs["maxima"][what]["value"],
                                     theirs["maxima"][what]["depth"])


@pytest.mark.parametrize("deck", EXAMPLES, ids=lambda d: d.stem)
def test_open_save_and_pickle_keep_the_deck(deck, tmp_path, monkeypatch):
    shutil.copy(deck, tmp_path / deck.name)
    p = vornel.Project.open(tmp_path / deck.name)
    text = p.deck_text()
    monkeypatch.chdir(tmp_path / "..")
    p.save(tmp_path.name + "/again.vn5d")  # relative to the process, not to the project
    assert (tmp_path / "again.vn5d").read_bytes().decode("latin-1") == text
    q = pickle.loads(pickle.dumps(p))
    assert q.deck_text() == text
    r = pickle.loads(pickle.dumps(vornel.analyse(p)))
    assert r.problems[0].stations.equals(vornel.analyse(text).problems[0].stations)


def test_older_formats_open_through_the_editors_reader():
    data = SOURCE / "tests" / "data" / "editor"
    p = vornel.Project.open(data / "single_surcharge_30.vnd")
    assert p["UseSurcharge"] and len(p.table("Surcharge Loads")) == 3
    assert vornel.analyse(data / "cantilever_2013.vn4d").problems


def test_stages_switch_as_the_stage_buttons_do(tmp_path):
    shutil.copy(SOURCE / "examples" / "two_stage.vn5d", tmp_path / "two.vn5d")
    p = vornel.Project.open(tmp_path / "two.vn5d")
    assert (p.stage_count, p.current_stage) == (2, 1)
    whole = vornel.analyse(p)
    assert [q.kind for q in whole.problems] == ["stage 1", "stage 2"]
    p.switch_stage(2)
    assert p.title == " Stage No : 2"
    assert vornel.analyse(p).problems[1].maxima == whole.problems[1].maxima
    with pytest.raises(vornel.InputError):
        p["LongTerm"] = True


def test_projects_and_results_cross_to_another_process():
    # What a parameter study on a process pool (or Dask) does: the project travels pickled,
    # the results come back pickled.
    from concurrent.futures import ProcessPoolExecutor
    import multiprocessing
    p = vornel.Project.open(LAYERED)
    p.table("Soil Layers").sub(1)[1, "Friction Angle"] = 36
    with ProcessPoolExecutor(1, mp_context=multiprocessing.get_context("spawn")) as pool:
        there = pool.submit(vornel.analyse, p).result()
    here = vornel.analyse(p)
    assert there.problems[0].station_array.tobytes() == here.problems[0].station_array.tobytes()
