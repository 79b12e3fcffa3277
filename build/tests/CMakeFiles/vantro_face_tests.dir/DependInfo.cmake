
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/host/face_picture.cpp" "tests/CMakeFiles/vantro_face_tests.dir/__/host/face_picture.cpp.o" "gcc" "tests/CMakeFiles/vantro_face_tests.dir/__/host/face_picture.cpp.o.d"
  "/work/main/tests/unit/face_picture_test.cpp" "tests/CMakeFiles/vantro_face_tests.dir/unit/face_picture_test.cpp.o" "gcc" "tests/CMakeFiles/vantro_face_tests.dir/unit/face_picture_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
