# Run by `cmake --install` (see app/CMakeLists.txt): writes zum.desktop for
# the prefix being installed into, because its Exec and Icon lines name the
# installed files, and links <prefix>/bin/zum and zum-batch to the programs.
#
# Set by the caller: ZUM_PROGRAM_DIR (the programs' folder, relative to the
# prefix), ZUM_DESKTOP_TEMPLATE, ZUM_DESKTOP_STAGING, ZUM_PROGRAMS.
set(program_dir "${CMAKE_INSTALL_PREFIX}/${ZUM_PROGRAM_DIR}")
set(ZUM_PROGRAM "${program_dir}/zum")
set(ZUM_ICON "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/256x256/apps/zum.png")
configure_file("${ZUM_DESKTOP_TEMPLATE}" "${ZUM_DESKTOP_STAGING}/zum.desktop"
               @ONLY)
file(INSTALL "${ZUM_DESKTOP_STAGING}/zum.desktop"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")

set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
file(MAKE_DIRECTORY "${bin}")
file(RELATIVE_PATH to_programs "${CMAKE_INSTALL_PREFIX}/bin" "${program_dir}")
foreach(name IN LISTS ZUM_PROGRAMS)
  message(STATUS "Linking: ${bin}/${name} -> ${to_programs}/${name}")
  file(CREATE_LINK "${to_programs}/${name}" "${bin}/${name}" SYMBOLIC)
endforeach()
