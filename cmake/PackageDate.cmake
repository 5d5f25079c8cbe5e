# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it makes the package (CPACK_PROJECT_CONFIG_FILE): unless SOURCE_DATE_EPOCH
# is set already, the files of the package are dated by the last commit, not by the build, so
# that two builds of one commit give the same package; without a git history (a source
# archive), by the latest entry of the changelog.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C ${CPACK_ZEPHAL_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
        execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_ZEPHAL_SOURCE_DIR}/data/changelog
                                -STimestamp
                        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE status)
    endif()
    if(NOT status EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "Neither the last commit nor the changelog gives a date")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
