# Runs one scenario script in a fresh folder of its own, holding copies of the scenario folder's
# other files (the files scripts load), so that scripts may write files without touching the
# sources or one another.
#   cmake -DTOLLMERE=... -DSCRIPT=... -DWORK=... -P run_scenario.cmake
get_filename_component(source_dir ${SCRIPT} DIRECTORY)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB fixtures ${source_dir}/*)
list(FILTER fixtures EXCLUDE REGEX "\\.scn$")
if(fixtures)
  file(COPY ${fixtures} DESTINATION ${WORK})
endif()
execute_process(COMMAND ${TOLLMERE} --scenario ${SCRIPT} WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the scenario ended with status ${status}")
endif()
