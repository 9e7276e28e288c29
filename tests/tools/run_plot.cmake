# Runs vornel-plot in an empty folder and checks what it did.
#   TOOL, ARGS (list), WORK (made empty first), COPY (files copied into WORK first, separated
#   by |, optional), EXPECT_RC, EXPECT_STDERR and EXPECT_STDOUT (regular expressions,
#   optional), EXPECT_EXISTS
#   (files separated by |, optional),
#   EXPECT_PNG (file) and EXPECT_PNG_SIZE (WxH, optional),
#   EXPECT_FILE / EXPECTED (compare, optional), EXPECT_START / START_TEXT (optional),
#   EXPECT_IN_FILE / EXPECT_PATTERN (see the end), EXPECT_STDOUT (regular expression),
#   EXPECT_PDF with EXPECT_PDF_SIZE (pdfinfo's page size, a regular expression) and
#   EXPECT_PDF_TEXTS (texts separated by | that pdftotext must find) and EXPECT_PDF_PATTERN (a
#   regular expression its text must match), optional.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
string(REPLACE "|" ";" COPY "${COPY}")
string(REPLACE "|" ";" EXPECT_EXISTS "${EXPECT_EXISTS}")
foreach(f IN LISTS COPY)
    file(COPY ${f} DESTINATION ${WORK})
endforeach()
execute_process(COMMAND ${TOOL} ${ARGS} WORKING_DIRECTORY ${WORK}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL EXPECT_RC)
    message(FATAL_ERROR "exit status ${rc}, expected ${EXPECT_RC}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
    message(FATAL_ERROR "stderr does not match '${EXPECT_STDERR}':\n${err}")
endif()
if(DEFINED EXPECT_STDOUT AND NOT out MATCHES "${EXPECT_STDOUT}")
    message(FATAL_ERROR "stdout does not match '${EXPECT_STDOUT}':\n${out}")
endif()
if(DEFINED EXPECT_PDF)
    execute_process(COMMAND pdfinfo ${EXPECT_PDF} RESULT_VARIABLE info_rc OUTPUT_VARIABLE info)
    if(NOT info_rc EQUAL 0 OR NOT info MATCHES "Pages: +1\n" OR
       NOT info MATCHES "Page size: +${EXPECT_PDF_SIZE}")
        message(FATAL_ERROR "${EXPECT_PDF}: not one page of ${EXPECT_PDF_SIZE}:\n${info}")
    endif()
    execute_process(COMMAND pdftotext -layout ${EXPECT_PDF} - OUTPUT_VARIABLE text)
    string(REPLACE "|" ";" texts "${EXPECT_PDF_TEXTS}")
    foreach(t IN LISTS texts)
        string(FIND "${text}" "${t}" at)
        if(at LESS 0)
            message(FATAL_ERROR "${EXPECT_PDF} does not show '${t}':\n${text}")
        endif()
    endforeach()
    if(DEFINED EXPECT_PDF_PATTERN AND NOT text MATCHES "${EXPECT_PDF_PATTERN}")
        message(FATAL_ERROR "${EXPECT_PDF} does not match '${EXPECT_PDF_PATTERN}':\n${text}")
    endif()
endif()
foreach(f IN LISTS EXPECT_EXISTS)
    if(NOT EXISTS ${f})
        message(FATAL_ERROR "${f} was not written\nstdout: ${out}\nstderr: ${err}")
    endif()
endforeach()
if(DEFINED EXPECT_PNG)
    # Width and height are the big-endian words at bytes 16 and 20 of the header chunk.
    file(READ ${EXPECT_PNG} head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 0 16 magic)
    string(SUBSTRING "${head}" 32 8 w)
    string(SUBSTRING "${head}" 40 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT "${w}x${h}" STREQUAL "${EXPECT_PNG_SIZE}")
        message(FATAL_ERROR "${EXPECT_PNG}: ${magic} ${w}x${h}, expected a ${EXPECT_PNG_SIZE} PNG")
    endif()
endif()
if(DEFINED EXPECT_FILE)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECT_FILE} ${EXPECTED}
        RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${EXPECT_FILE} differs from ${EXPECTED}")
    endif()
endif()
if(DEFINED EXPECT_START)
    file(READ ${EXPECT_START} start LIMIT 200)
    if(NOT start MATCHES "^${START_TEXT}")
        message(FATAL_ERROR "${EXPECT_START} does not start with ${START_TEXT}")
    endif()
endif()
# EXPECT_IN_FILE and EXPECT_PATTERN: a file and a regular expression its printable lines
# (binary streams of a PDF left out) must match, optional.
if(DEFINED EXPECT_IN_FILE)
    file(STRINGS ${EXPECT_IN_FILE} lines)
    list(JOIN lines "\n" content)
    if(NOT content MATCHES "${EXPECT_PATTERN}")
        message(FATAL_ERROR "${EXPECT_IN_FILE} does not match '${EXPECT_PATTERN}'")
    endif()
endif()
