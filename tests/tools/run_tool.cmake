# Runs a command-line tool with its real arguments and checks what it did.
#   TOOL, ARGS (list), WORK (a folder made empty first), EXPECT_RC,
#   EXPECT_STDERR (regular expression, optional), EXPECT_FILE / EXPECTED (compare, optional),
#   EXPECT_EXISTS, EXPECT_MISSING (lists of files, optional).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} ${ARGS} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL EXPECT_RC)
    message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT_RC}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
    message(FATAL_ERROR "stderr does not match '${EXPECT_STDERR}':\n${err}")
endif()
if(DEFINED EXPECT_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECT_FILE} ${EXPECTED}
        RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${EXPECT_FILE} differs from ${EXPECTED}")
    endif()
endif()
foreach(f IN LISTS EXPECT_EXISTS)
    if(NOT EXISTS ${f})
        message(FATAL_ERROR "${f} was not written")
    endif()
endforeach()
foreach(f IN LISTS EXPECT_MISSING)
    if(EXISTS ${f})
        message(FATAL_ERROR "${f} should not exist")
    endif()
endforeach()
