# Runs a command-line tool and checks its exit status, its standard output and error, and
# the files it should have written.
#   -DCOMMAND=<program>  -DARGS=<arguments separated by |>  -DEXPECT_STATUS=<n>
#   -DEXPECT_OUT=<regex> -DEXPECT_ERR=<regex>  -DEXPECT_FILES=<paths separated by |>
#   -DCLEAN=<folder to empty first>
if(CLEAN)
    file(REMOVE_RECURSE ${CLEAN})
    file(MAKE_DIRECTORY ${CLEAN})
endif()
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${COMMAND} ${args}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXPECT_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED EXPECT_OUT AND NOT out MATCHES "${EXPECT_OUT}")
    message(FATAL_ERROR "standard output does not match ${EXPECT_OUT}:\n${out}")
endif()
if(DEFINED EXPECT_ERR AND NOT err MATCHES "${EXPECT_ERR}")
    message(FATAL_ERROR "standard error does not match ${EXPECT_ERR}:\n${err}")
endif()
string(REPLACE "|" ";" files "${EXPECT_FILES}")
foreach(f IN LISTS files)
    if(NOT EXISTS ${f})
        message(FATAL_ERROR "${f} was not written\nstdout:\n${out}")
    endif()
endforeach()
