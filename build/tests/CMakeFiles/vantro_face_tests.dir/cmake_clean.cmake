file(REMOVE_RECURSE
  "CMakeFiles/vantro_face_tests.dir/__/host/face_picture.cpp.o"
  "CMakeFiles/vantro_face_tests.dir/__/host/face_picture.cpp.o.d"
  "CMakeFiles/vantro_face_tests.dir/unit/face_picture_test.cpp.o"
  "CMakeFiles/vantro_face_tests.dir/unit/face_picture_test.cpp.o.d"
  "vantro_face_tests"
  "vantro_face_tests.pdb"
  "vantro_face_tests[1]_tests.cmake"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro_face_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
