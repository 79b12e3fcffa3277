file(REMOVE_RECURSE
  "CMakeFiles/vantro_unit_tests.dir/unit/framebuffer_test.cpp.o"
  "CMakeFiles/vantro_unit_tests.dir/unit/framebuffer_test.cpp.o.d"
  "vantro_unit_tests"
  "vantro_unit_tests.pdb"
  "vantro_unit_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro_unit_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
