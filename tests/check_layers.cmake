# Fails when a file reaches outside its layer.
#   default:            an engine file includes a Qt header or a file of another layer, or
#                       breaks the engine's floors: base includes nothing of core, soil or
#                       run; core and soil include base only (never each other); run may
#                       include all three;
#   -DLAYER=viewer_model: a file of the viewer's model (directly in viewer/) includes QtWidgets
#                       or a window of the editor, the viewer or the app;
#   -DLAYER=editor_model: a file of the editor's model (directly in editor/) includes QtGui,
#                       QtWidgets or another GUI module, or a file of the viewer or the app;
#   -DLAYER=editor_ui:  an editor window (editor/ui) includes a file of the viewer or the app;
#   -DLAYER=viewer_ui:  a viewer window (viewer/ui) includes an editor window or the app;
#   -DLAYER=no_app:     a file outside the app (engine, editor, viewer, tools) includes the app.
# The layers read one way: engine | editor model -> viewer model -> {editor/ui, viewer/ui} -> app.
set(bad "")
if(LAYER STREQUAL "editor_ui")
    file(GLOB files ${ROOT}/editor/ui/*.h ${ROOT}/editor/ui/*.cpp)
    set(pattern_a "^$")
    set(pattern_b "^$")
    set(pattern_c "\"(viewer|app)/")
    set(what "editor windows reach into the viewer or the app")
elseif(LAYER STREQUAL "viewer_ui")
    file(GLOB files ${ROOT}/viewer/ui/*.h ${ROOT}/viewer/ui/*.cpp)
    set(pattern_a "^$")
    set(pattern_b "^$")
    set(pattern_c "\"(editor/ui|app)/")
    set(what "viewer windows reach into the editor's windows or the app")
elseif(LAYER STREQUAL "no_app")
    file(GLOB_RECURSE files ${ROOT}/engine/*.h ${ROOT}/engine/*.cpp ${ROOT}/editor/*.h
         ${ROOT}/editor/*.cpp ${ROOT}/viewer/*.h ${ROOT}/viewer/*.cpp ${ROOT}/tools/*.h
         ${ROOT}/tools/*.cpp)
    set(pattern_a "^$")
    set(pattern_b "^$")
    set(pattern_c "\"app/")
    set(what "files below the app include the app")
elseif(LAYER STREQUAL "editor_model")
    file(GLOB files ${ROOT}/editor/*.h ${ROOT}/editor/*.cpp)
    set(pattern_a "<(QtGui|QtWidgets|QtOpenGL|QtOpenGLWidgets|QtPrintSupport|QtSvg)[>/]")
    set(pattern_b "<(QWidget|QDialog|QMainWindow|QApplication|QGuiApplication|QPainter|QColor|QFont|QImage|QPixmap|QIcon|QClipboard)>")
    set(pattern_c "\"(viewer|app)/")
    set(what "editor model files reach outside QtCore")
elseif(LAYER STREQUAL "viewer_model")
    file(GLOB files ${ROOT}/viewer/*.h ${ROOT}/viewer/*.cpp)
    set(pattern_a "<(QtWidgets|QtOpenGLWidgets|QtPrintSupport)[>/]")
    set(pattern_b "<(QWidget|QDialog|QMainWindow|QApplication|QPrinter|QPrintDialog|QOpenGLWidget|QMessageBox|QFileDialog)>")
    set(pattern_c "\"(editor/ui|viewer/ui|app)/")
    set(what "viewer model files reach outside QtGui")
else()
    file(GLOB_RECURSE files ${ROOT}/engine/*.h ${ROOT}/engine/*.cpp)
    set(pattern_a "<Q[A-Za-z]*[>/]")
    set(pattern_b "^$")
    set(pattern_c "\"(editor|viewer|app)/")
    set(what "engine files reach outside the engine")
endif()
# The engine's floors: the folders a floor may not include from.
set(engine_forbidden_base "core|soil|run")
set(engine_forbidden_core "soil|run")
set(engine_forbidden_soil "core|run")
foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(l IN LISTS lines)
        if(l MATCHES "${pattern_a}" OR l MATCHES "${pattern_b}" OR l MATCHES "${pattern_c}")
            list(APPEND bad "${f}: ${l}")
        endif()
        if(NOT LAYER AND f MATCHES "/engine/(base|core|soil)/[^/]+$")
            set(floor ${CMAKE_MATCH_1})
            if(l MATCHES "\"engine/(${engine_forbidden_${floor}})/")
                list(APPEND bad "${f}: ${l} (the ${floor} floor may not include engine/${CMAKE_MATCH_1})")
            endif()
        endif()
    endforeach()
endforeach()
if(bad)
    string(REPLACE ";" "\n" bad "${bad}")
    message(FATAL_ERROR "${what}:\n${bad}")
endif()
