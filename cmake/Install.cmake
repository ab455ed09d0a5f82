# What `cmake --install` puts under its prefix, and the copy of it in the build folder that the
# program finds when it runs from there (share/ beside the executable):
#
#   bin/gorlin, bin/gorlin-cli
#   share/gorlin/guide/        the user guide (the Help window shows the copy compiled in)
#   share/gorlin/examples/     the example leagues a first start copies and shows
#   share/applications/gorlin.desktop
#   share/icons/hicolor/{scalable,48x48,256x256}/apps/gorlin.{svg,png}
#   share/mime/packages/gorlin.xml   the league file type (*.div, "DIVHD" header)
#   share/man/man1/gorlin-cli.1      made from gorlin-cli's own help

include(GNUInstallDirs)

set(GORLIN_STAGE ${CMAKE_BINARY_DIR}/share)
set(GORLIN_DATA_DIR ${CMAKE_INSTALL_DATADIR}/gorlin)

# The program finds its shipped files relative to its executable.
file(RELATIVE_PATH GORLIN_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/gorlin)
target_compile_definitions(gorlin-os PRIVATE GORLIN_DATA_FROM_BIN="${GORLIN_DATA_FROM_BIN}")

# The example leagues, copied beside the built program.
file(GLOB GORLIN_EXAMPLES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.DIV)
set(GORLIN_STAGED_EXAMPLES)
foreach(league IN LISTS GORLIN_EXAMPLES)
  get_filename_component(name ${league} NAME)
  set(staged ${GORLIN_STAGE}/gorlin/examples/${name})
  add_custom_command(OUTPUT ${staged}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${league} ${staged}
    DEPENDS ${league} VERBATIM)
  list(APPEND GORLIN_STAGED_EXAMPLES ${staged})
endforeach()

# The manual page of gorlin-cli, from its help.
set(GORLIN_MAN_PAGE ${GORLIN_STAGE}/man/man1/gorlin-cli.1)
add_custom_command(OUTPUT ${GORLIN_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:gorlin-cli> -DOUT=${GORLIN_MAN_PAGE}
          -DVERSION=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
          -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  DEPENDS gorlin-cli ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
  COMMENT "Writing the manual page of gorlin-cli" VERBATIM)
# Not made by default in a fuzzing build, whose gorlin-cli runs under the sanitizers.
if(GORLIN_FUZZ)
  add_custom_target(gorlin-man DEPENDS ${GORLIN_MAN_PAGE})
else()
  add_custom_target(gorlin-man ALL DEPENDS ${GORLIN_MAN_PAGE})
endif()

install(TARGETS gorlin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${GORLIN_EXAMPLES} DESTINATION ${GORLIN_DATA_DIR}/examples)
install(FILES ${GORLIN_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(GORLIN_BUILD_GUI)
  # The icon: drawn as SVG, rendered to PNG for the desktops and windows that want a bitmap.
  find_program(GORLIN_RSVG_CONVERT rsvg-convert REQUIRED)
  set(GORLIN_ICON_SVG ${CMAKE_SOURCE_DIR}/desktop/gorlin.svg)
  set(GORLIN_ICON_PNGS)
  foreach(size 48 256)
    set(png ${GORLIN_STAGE}/icons/hicolor/${size}x${size}/apps/gorlin.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${GORLIN_STAGE}/icons/hicolor/${size}x${size}/apps
      COMMAND ${GORLIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${GORLIN_ICON_SVG}
      DEPENDS ${GORLIN_ICON_SVG} VERBATIM)
    list(APPEND GORLIN_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()

  add_custom_target(gorlin-share ALL DEPENDS ${GORLIN_STAGED_EXAMPLES} ${GORLIN_ICON_PNGS})
  add_dependencies(gorlin gorlin-share)

  install(TARGETS gorlin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/guide/ DESTINATION ${GORLIN_DATA_DIR}/guide)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/gorlin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${GORLIN_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/gorlin-league.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME gorlin.xml)

  # Outside a packaging run (DESTDIR), the desktop learns the file type and its program at once.
  install(CODE "set(GORLIN_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
  install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
      find_program(GORLIN_UPDATE_MIME update-mime-database)
      find_program(GORLIN_UPDATE_DESKTOP update-desktop-database)
      if(GORLIN_UPDATE_MIME)
        execute_process(COMMAND ${GORLIN_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/${GORLIN_INSTALL_DATADIR}/mime")
      endif()
      if(GORLIN_UPDATE_DESKTOP)
        execute_process(COMMAND ${GORLIN_UPDATE_DESKTOP} -q "${CMAKE_INSTALL_PREFIX}/${GORLIN_INSTALL_DATADIR}/applications")
      endif()
    endif()
  ]])
else()
  add_custom_target(gorlin-share ALL DEPENDS ${GORLIN_STAGED_EXAMPLES})
endif()
