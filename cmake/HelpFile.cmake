# help.chm: the program's help, compiled from the pages in help/ by chmcmd (Debian package fp-utils)
# and placed beside velgaro.exe, where Help > Help contents (F1) opens it. Windows build only.
find_program(CHMCMD_EXECUTABLE chmcmd)
if(NOT CHMCMD_EXECUTABLE)
  message(FATAL_ERROR "chmcmd was not found; it compiles help/velgaro.hhp into help.chm. "
                      "Install the Debian package fp-utils (bash scripts/setup.sh does).")
endif()

set(help_project ${PROJECT_SOURCE_DIR}/help/velgaro.hhp)
set(help_work_dir ${CMAKE_BINARY_DIR}/help)
set(help_output ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.chm)
# Every file of help/ (pages, stylesheet, project, contents, index): a change to any of them rebuilds.
file(GLOB help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)

# chmcmd reads the files named in the project relative to the project, and writes the compiled file
# into its working directory: a folder of the build tree, so the source tree stays clean and a failed
# compilation never leaves a broken help.chm beside the program. Its link scan warns about links to
# pages that do not exist.
add_custom_command(OUTPUT ${help_output}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${help_work_dir}
  COMMAND ${CMAKE_COMMAND} -E chdir ${help_work_dir} ${CHMCMD_EXECUTABLE} ${help_project}
  COMMAND ${CMAKE_COMMAND} -E copy ${help_work_dir}/help.chm ${help_output}
  DEPENDS ${help_sources}
  COMMENT "Compiling help.chm from help/velgaro.hhp"
  VERBATIM)
add_custom_target(help_chm ALL DEPENDS ${help_output})
