# Run by `cmake --install`: writes the desktop entry with the full path of
# the installed program and installs it. TAVLO_DESKTOP_TEMPLATE,
# TAVLO_DESKTOP_FOLDER, TAVLO_BINDIR and TAVLO_DATADIR are set before.

if(IS_ABSOLUTE "${TAVLO_BINDIR}")
  set(executable "${TAVLO_BINDIR}/tavlo-editor")
else()
  set(executable "${CMAKE_INSTALL_PREFIX}/${TAVLO_BINDIR}/tavlo-editor")
endif()

# The program as an Exec key writes it. Quoted only when a character the key
# reserves makes it necessary: xdg-open (xdg-utils 1.1.3), which reads the
# entry itself when no desktop environment runs, takes the quotes of a plain
# path for part of the program's name and starts nothing.
set(TAVLO_EXECUTABLE "${executable}")
string(REGEX MATCH "[ \t\n\"'\\\\><~|&;$*?#()`]" reserved "${executable}")
if(NOT reserved STREQUAL "")
  # Within the quotes, a backslash escapes these four characters.
  string(REPLACE "\\" "\\\\" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
  foreach(character "\"" "`" "$")
    string(REPLACE "${character}" "\\${character}" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
  endforeach()
  set(TAVLO_EXECUTABLE "\"${TAVLO_EXECUTABLE}\"")
endif()
# Then the escapes of every string value, read before the quotes are: the
# backslash itself once more and the control characters a line cannot hold;
# and "%", which opens a field code.
string(REPLACE "\\" "\\\\" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
string(REPLACE "\n" "\\n" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
string(REPLACE "\t" "\\t" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
string(REPLACE "\r" "\\r" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")
string(REPLACE "%" "%%" TAVLO_EXECUTABLE "${TAVLO_EXECUTABLE}")

if(IS_ABSOLUTE "${TAVLO_DATADIR}")
  set(applications "${TAVLO_DATADIR}/applications")
else()
  set(applications "${CMAKE_INSTALL_PREFIX}/${TAVLO_DATADIR}/applications")
endif()
# Each destination has its entry written apart in the build: installs of one
# build to two places at once (as the tests run) must not share a file that
# configure_file replaces under the other's feet.
string(MD5 destination "$ENV{DESTDIR}|${applications}|${executable}")
set(entry "${TAVLO_DESKTOP_FOLDER}/${destination}/tavlo-editor.desktop")
configure_file("${TAVLO_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${entry}")
