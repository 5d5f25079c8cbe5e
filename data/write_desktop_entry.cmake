# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time, when the prefix is known (`cmake --install --prefix` may choose it then):
# writes the desktop entry for that prefix and installs it as <ZEPHAL_APP_ID>.desktop. The entry
# names no working folder: the program finds its data file from wherever it starts, and a
# user's own copy in ~/.local/share/zephal then comes before the installed one.
# In: ZEPHAL_TEMPLATE, ZEPHAL_ENTRY_ROOT (a folder of the build to write in), ZEPHAL_APP_ID,
# ZEPHAL_BINDIR, ZEPHAL_DATADIR.

foreach(dir BINDIR DATADIR)
    if(IS_ABSOLUTE "${ZEPHAL_${dir}}")
        set(${dir} "${ZEPHAL_${dir}}")
    else()
        set(${dir} "${CMAKE_INSTALL_PREFIX}/${ZEPHAL_${dir}}")
    endif()
endforeach()
set(program "${BINDIR}/zephal")

# A value of a desktop entry keeps a backslash only doubled.
function(entry_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The command line of Exec= needs quotes around a path holding a blank or another reserved
# character, and a backslash before ", `, $ and \ inside them; a percent sign is doubled
# because it starts a field code.
set(exec "${program}")
string(REPLACE "%" "%%" exec "${exec}")
if(exec MATCHES "[^A-Za-z0-9/._+%-]")
    foreach(ch "\\" "\"" "`" "$")
        string(REPLACE "${ch}" "\\${ch}" exec "${exec}")
    endforeach()
    set(exec "\"${exec}\"")
endif()

entry_string(ZEPHAL_EXEC "${exec}")
entry_string(ZEPHAL_TRYEXEC "${program}")
# Installations may run at once (a package made while another prefix is installed): each writes
# the entry of its own destination, so none installs another's.
string(MD5 destination "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(entry "${ZEPHAL_ENTRY_ROOT}/${destination}/${ZEPHAL_APP_ID}.desktop")
configure_file("${ZEPHAL_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${DATADIR}/applications" TYPE FILE FILES "${entry}")
