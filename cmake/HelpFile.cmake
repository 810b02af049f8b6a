# help.chm: the program's help, compiled from the pages in help/pages by chmcmd (Debian package fp-utils)
# and placed beside velgaro.exe, where Help > Help contents (F1) opens it. Windows build only.
find_program(CHMCMD_EXECUTABLE chmcmd)
if(NOT CHMCMD_EXECUTABLE)
  message(FATAL_ERROR "chmcmd was not found; it compiles help/velgaro.hhp into help.chm. "
                      "Install the Debian package fp-utils (bash scripts/setup.sh does).")
endif()

set(help_work_dir ${CMAKE_BINARY_DIR}/help)
set(help_project ${help_work_dir}/velgaro.hhp)
set(help_output ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.chm)
# Every file of help/ (pages, stylesheet, project, contents, index): a change to any of them rebuilds.
file(GLOB help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/* ${PROJECT_SOURCE_DIR}/help/pages/*)

# The pages keep only what is their own; the head they share is added when the project is written into
# a folder of the build tree. chmcmd reads the files named in the project relative to the project, and
# writes the compiled file into its working directory, so the source tree stays clean and a failed
# compilation never leaves a broken help.chm beside the program. Its link scan warns about links to
# pages that do not exist.
add_custom_command(OUTPUT ${help_output}
  COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR}/help -DOUT=${help_work_dir}
          -P ${PROJECT_SOURCE_DIR}/cmake/HelpPages.cmake
  COMMAND ${CMAKE_COMMAND} -E chdir ${help_work_dir} ${CHMCMD_EXECUTABLE} ${help_project}
  COMMAND ${CMAKE_COMMAND} -E copy ${help_work_dir}/help.chm ${help_output}
  DEPENDS ${help_sources} ${PROJECT_SOURCE_DIR}/cmake/HelpPages.cmake
  COMMENT "Compiling help.chm from help/pages"
  VERBATIM)
add_custom_target(help_chm ALL DEPENDS ${help_output})
