# One test per scenario folder (script.v2s and its expected output expected.txt), run by
# tools/check_scenario.sh against RUNNER; the tests are named PREFIX.NAME.
function(add_scenario_tests prefix runner)
  file(GLOB dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scenarios/*)
  foreach(dir ${dirs})
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/script.v2s)
      get_filename_component(name ${dir} NAME)
      add_test(NAME ${prefix}.${name} COMMAND ${PROJECT_SOURCE_DIR}/tools/check_scenario.sh ${runner} ${dir})
    endif()
  endforeach()
endfunction()
