# Fails when a source file spells out the version text instead of taking it from the generated
# header (the project version in CMakeLists.txt is the one place it is set). Tests may name it:
# they check what the user sees.
file(GLOB_RECURSE files ${ROOT}/*.h ${ROOT}/*.cpp)
list(FILTER files EXCLUDE REGEX "/build[^/]*/")
list(FILTER files EXCLUDE REGEX "^${ROOT}/tests/")
set(bad "")
foreach(f IN LISTS files)
    file(STRINGS ${f} lines REGEX "2015\\.5\\.7")
    if(lines)
        list(APPEND bad "${f}")
    endif()
endforeach()
if(bad)
    string(REPLACE ";" "\n" bad "${bad}")
    message(FATAL_ERROR "the version text is spelled out in:\n${bad}")
endif()
