# Installs the manuals and the help (the install rules of the docs folder only) into a scratch
# DESTDIR and checks that they land beside the program.
set(dest ${BUILD}/install-docs-check)
file(REMOVE_RECURSE ${dest})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${dest}
                        ${CMAKE_COMMAND} -DCMAKE_INSTALL_PREFIX=/usr -P ${BUILD}/docs/cmake_install.cmake
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installing the documents failed: ${rc}")
endif()
foreach(f "lib/vornel/VornelTechnicalManual.pdf" "lib/vornel/VORNEL 2015 Users Manual.pdf"
          "lib/vornel/help/index.html" "lib/vornel/help/windows-guide.html"
          "lib/vornel/help/screenshots/main-window.png" "bin/vornel-report")
    if(NOT EXISTS "${dest}/usr/${f}")
        message(FATAL_ERROR "missing after install: ${f}")
    endif()
endforeach()
file(REMOVE_RECURSE ${dest})
