# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on, for
# every target of a plain build: the program a package ships is the one the tests ran. The
# build type keeps its say on optimisation and debug information (a package strips its program
# anyway); a debug build, which is not optimised, cannot fortify and goes without them.

option(ZEPHAL_DEBIAN_FLAGS "Build with Debian's hardening flags where dpkg-buildflags is found" ON)
find_program(ZEPHAL_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT ZEPHAL_DEBIAN_FLAGS OR NOT ZEPHAL_DPKG_BUILDFLAGS OR CMAKE_BUILD_TYPE STREQUAL "Debug")
    return()
endif()

# zephal_debian_flags(OUT NAME...): the flags of dpkg-buildflags' NAMEs as a list. Asked in the
# source folder, so that the file paths the program keeps name it ".".
function(zephal_debian_flags out)
    set(all)
    foreach(name IN LISTS ARGN)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${ZEPHAL_DPKG_BUILDFLAGS} --get ${name}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "dpkg-buildflags --get ${name} failed")
        endif()
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(APPEND all ${flags})
    endforeach()
    list(FILTER all EXCLUDE REGEX "^-(g|O.*)$")
    set(${out} ${all} PARENT_SCOPE)
endfunction()

zephal_debian_flags(compile_flags CPPFLAGS CXXFLAGS)
zephal_debian_flags(link_flags LDFLAGS)
# Generated sources (moc, resources) lie in the build folder: named from "." too.
list(APPEND compile_flags -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
add_compile_options(${compile_flags})
add_link_options(${link_flags})
message(STATUS "Debian's hardening flags: ${compile_flags} ${link_flags}")
