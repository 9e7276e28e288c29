# Installs the build into a scratch DESTDIR and checks the layout a package relies on: the
# program beside the engine library, the program linked from bin, the tools, the desktop
# entry with its icon and the data-file type.
set(dest ${BUILD}/install-check)
file(REMOVE_RECURSE ${dest})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${dest}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(root ${dest}/usr)
foreach(f lib/vornel/Vornel2015 lib/vornel/libVornel2015_DLL.so bin/vornel-run bin/vornel-convert
          share/applications/vornel2015.desktop share/icons/hicolor/scalable/apps/vornel2015.svg
          share/mime/packages/vornel2015.xml share/vornel/examples/cantilever_layered.vn5d)
    if(NOT EXISTS ${root}/${f})
        message(FATAL_ERROR "missing after install: ${f}")
    endif()
endforeach()
if(NOT IS_SYMLINK ${root}/bin/Vornel2015)
    message(FATAL_ERROR "bin/Vornel2015 is not a link to the program")
endif()
file(REAL_PATH ${root}/bin/Vornel2015 target)
file(REAL_PATH ${root}/lib/vornel/Vornel2015 program)
if(NOT target STREQUAL program)
    message(FATAL_ERROR "bin/Vornel2015 points to ${target}")
endif()
file(READ ${root}/share/applications/vornel2015.desktop desktop)
foreach(line "Exec=Vornel2015 %f" "Icon=vornel2015" "Name=VORNEL 2015")
    string(FIND "${desktop}" "${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()
file(REMOVE_RECURSE ${dest})
