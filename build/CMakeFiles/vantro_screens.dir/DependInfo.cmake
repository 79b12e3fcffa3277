
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/screens/main_page.cpp" "CMakeFiles/vantro_screens.dir/screens/main_page.cpp.o" "gcc" "CMakeFiles/vantro_screens.dir/screens/main_page.cpp.o.d"
  "/work/main/screens/navigation.cpp" "CMakeFiles/vantro_screens.dir/screens/navigation.cpp.o" "gcc" "CMakeFiles/vantro_screens.dir/screens/navigation.cpp.o.d"
  "/work/main/screens/screen_registry.cpp" "CMakeFiles/vantro_screens.dir/screens/screen_registry.cpp.o" "gcc" "CMakeFiles/vantro_screens.dir/screens/screen_registry.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/CMakeFiles/vantro_instrument.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/vantro_lcd.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
