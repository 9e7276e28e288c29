# Runs a command-line tool with its real arguments and checks what it did.
#   TOOL, ARGS (list), WORK (a folder made empty first), EXPECT_RC,
#   EXPECT_STDERR, EXPECT_STDOUT (regular expressions, optional),
#   EXPECT_FILE / EXPECTED (compare, optional),
#   EXPECT_EXISTS, EXPECT_MISSING (lists of files, optional),
#   EXPECT_LISTING (a folder, then every name it must hold and nothing else, hidden files too,
#   separated by |),
#   PREPARE (a shell script run in WORK first; its exit status 77 skips the test: the ctest
#   property SKIP_REGULAR_EXPRESSION is "SKIPPED"), CLEANUP (a shell script run in WORK at the
#   end, also after a failure), RUN_AS (a user to run the tool as; root only),
#   CHECK (a shell script run in WORK after the tool; it must exit with 0).
if(CLEANUP)
    execute_process(COMMAND sh -c "${CLEANUP}" WORKING_DIRECTORY ${WORK} OUTPUT_QUIET ERROR_QUIET)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

macro(fail text)
    if(CLEANUP)
        execute_process(COMMAND sh -c "${CLEANUP}" WORKING_DIRECTORY ${WORK})
    endif()
    message(FATAL_ERROR "${text}")
endmacro()

if(PREPARE)
    execute_process(COMMAND sh -c "${PREPARE}" WORKING_DIRECTORY ${WORK} RESULT_VARIABLE prc
        OUTPUT_VARIABLE pout ERROR_VARIABLE perr)
    if(prc EQUAL 77)
        fail("SKIPPED: ${pout}${perr}")
    elseif(NOT prc EQUAL 0)
        fail("preparation failed (${prc}): ${pout}${perr}")
    endif()
endif()

set(command ${TOOL} ${ARGS})
if(RUN_AS)
    set(command setpriv --reuid=${RUN_AS} --regid=${RUN_AS} --clear-groups ${command})
endif()
execute_process(COMMAND ${command} WORKING_DIRECTORY ${WORK} TIMEOUT 30
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL EXPECT_RC)
    fail("exit status ${rc}, expected ${EXPECT_RC}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
    fail("stderr does not match '${EXPECT_STDERR}':\n${err}")
endif()
if(DEFINED EXPECT_STDOUT AND NOT out MATCHES "${EXPECT_STDOUT}")
    fail("stdout does not match '${EXPECT_STDOUT}':\n${out}")
endif()
if(DEFINED EXPECT_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECT_FILE} ${EXPECTED}
        RESULT_VARIABLE differ)
    if(differ)
        fail("${EXPECT_FILE} differs from ${EXPECTED}")
    endif()
endif()
foreach(f IN LISTS EXPECT_EXISTS)
    if(NOT EXISTS ${f})
        fail("${f} was not written")
    endif()
endforeach()
foreach(f IN LISTS EXPECT_MISSING)
    if(EXISTS ${f})
        fail("${f} should not exist")
    endif()
endforeach()
if(EXPECT_LISTING)
    string(REPLACE "|" ";" listing "${EXPECT_LISTING}")
    list(GET listing 0 folder)
    list(SUBLIST listing 1 -1 expected)
    file(GLOB names LIST_DIRECTORIES true RELATIVE ${folder} ${folder}/* ${folder}/.*)
    list(SORT names)
    list(SORT expected)
    if(NOT "${names}" STREQUAL "${expected}")
        fail("${folder} holds '${names}', expected '${expected}'")
    endif()
endif()
if(CHECK)
    execute_process(COMMAND sh -c "${CHECK}" WORKING_DIRECTORY ${WORK} RESULT_VARIABLE crc
        OUTPUT_VARIABLE cout ERROR_VARIABLE cerr)
    if(NOT crc EQUAL 0)
        fail("check '${CHECK}' failed (${crc}): ${cout}${cerr}")
    endif()
endif()
if(CLEANUP)
    execute_process(COMMAND sh -c "${CLEANUP}" WORKING_DIRECTORY ${WORK})
endif()
