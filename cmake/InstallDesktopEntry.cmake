# Run by `cmake --install`: writes the desktop entry with the full path of
# the installed program and installs it. TAVLO_DESKTOP_TEMPLATE,
# TAVLO_DESKTOP_ENTRY, TAVLO_BINDIR and TAVLO_DATADIR are set before.

if(IS_ABSOLUTE "${TAVLO_BINDIR}")
  set(executable "${TAVLO_BINDIR}/tavlo-editor")
else()
  set(executable "${CMAKE_INSTALL_PREFIX}/${TAVLO_BINDIR}/tavlo-editor")
endif()
# Within the quotes of an Exec key, these characters are escaped, and the
# escape itself once more as the key's value is read.
string(REPLACE "\\" "\\\\\\\\" TAVLO_EXECUTABLE "${executable}")
foreach(character "\"" "`" "$")
  string(REPLACE "${character}" "\\\\${character}" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
endforeach()
configure_file("${TAVLO_DESKTOP_TEMPLATE}" "${TAVLO_DESKTOP_ENTRY}" @ONLY)

if(IS_ABSOLUTE "${TAVLO_DATADIR}")
  set(applications "${TAVLO_DATADIR}/applications")
else()
  set(applications "${CMAKE_INSTALL_PREFIX}/${TAVLO_DATADIR}/applications")
endif()
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${TAVLO_DESKTOP_ENTRY}")
