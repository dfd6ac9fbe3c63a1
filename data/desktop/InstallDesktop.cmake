# Run by `cmake --install`: writes the applications-menu entry of verbal and,
# when the files went where the desktop looks for them, refreshes the
# desktop's caches so that the menu entry, the grid file type and the icons
# show at once.
#
# In: CMAKE_INSTALL_PREFIX, VERBAL_DESKTOP_DIR (this folder), VERBAL_APP_ID,
# VERBAL_BINDIR (where verbal is linked, in the prefix), VERBAL_INSTALL_DIR
# (where the programs and their data are, in the prefix), $ENV{DESTDIR}.

get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(staged "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Exec takes the program by its full path, so that a prefix outside PATH
# works too. Quoted, so that blanks are allowed; inside the quotes the
# characters " ` $ \ are escaped, every backslash is doubled once more
# because the whole value is a string of the desktop file, and % is written
# %% so as not to be read as a field code.
function(quote_exec_argument out value)
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${value}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  string(REPLACE "%" "%%" quoted "${quoted}")
  set(${out} "\"${quoted}\"" PARENT_SCOPE)
endfunction()
set(program "${prefix}/${VERBAL_BINDIR}/verbal")
quote_exec_argument(VERBAL_DESKTOP_EXEC "${program}")
# The menu entry's second action: the help pages in the help browser.
quote_exec_argument(help_browser "${prefix}/${VERBAL_INSTALL_DIR}/helpview")
quote_exec_argument(help_page "${prefix}/${VERBAL_INSTALL_DIR}/aide.htm")
set(VERBAL_DESKTOP_HELP_EXEC "${help_browser} ${help_page}")
string(REPLACE "\\" "\\\\" VERBAL_DESKTOP_TRY_EXEC "${program}")
set(entry "${staged}/share/applications/${VERBAL_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${VERBAL_DESKTOP_DIR}/verbal.desktop.in" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")

# The caches belong to the system: they are refreshed only for a real
# installation (no DESTDIR: a package's scripts do it on the target system)
# into a data directory the desktop reads ($XDG_DATA_HOME, $XDG_DATA_DIRS or
# their defaults). Otherwise the README's commands do it by hand.
set(data_dirs "$ENV{XDG_DATA_DIRS}")
if(data_dirs STREQUAL "")
  set(data_dirs "/usr/local/share:/usr/share")
endif()
string(REPLACE ":" ";" data_dirs "${data_dirs}")
if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
  list(APPEND data_dirs "$ENV{XDG_DATA_HOME}")
elseif(NOT "$ENV{HOME}" STREQUAL "")
  list(APPEND data_dirs "$ENV{HOME}/.local/share")
endif()
set(read_by_desktop OFF)
get_filename_component(share "${prefix}/share" REALPATH)
foreach(dir IN LISTS data_dirs)
  if(NOT dir STREQUAL "")
    get_filename_component(dir "${dir}" REALPATH)
    if(dir STREQUAL share)
      set(read_by_desktop ON)
    endif()
  endif()
endforeach()

if("$ENV{DESTDIR}" STREQUAL "" AND read_by_desktop)
  foreach(tool_and_args
          "update-mime-database;${share}/mime"
          "update-desktop-database;-q;${share}/applications"
          "gtk-update-icon-cache;-q;-t;-f;${share}/icons/hicolor")
    list(GET tool_and_args 0 tool)
    list(REMOVE_AT tool_and_args 0)
    find_program(tool_path ${tool})
    if(tool_path)
      string(REPLACE ";" " " shown "${tool_and_args}")
      message(STATUS "Updating: ${tool} ${shown}")
      execute_process(COMMAND "${tool_path}" ${tool_and_args} RESULT_VARIABLE failed)
      if(failed)
        message(WARNING "${tool} failed; run it again by hand once the installation is done.")
      endif()
    endif()
    unset(tool_path CACHE)
    unset(tool_path)
  endforeach()
else()
  message(STATUS "Not updating the desktop caches for ${staged}/share "
                 "(see README: update-mime-database, update-desktop-database).")
endif()
