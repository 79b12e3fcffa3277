
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/host/main_loop.cpp" "CMakeFiles/vantro_host_core.dir/host/main_loop.cpp.o" "gcc" "CMakeFiles/vantro_host_core.dir/host/main_loop.cpp.o.d"
  "/work/main/host/panel_actions.cpp" "CMakeFiles/vantro_host_core.dir/host/panel_actions.cpp.o" "gcc" "CMakeFiles/vantro_host_core.dir/host/panel_actions.cpp.o.d"
  "/work/main/host/state_lookup.cpp" "CMakeFiles/vantro_host_core.dir/host/state_lookup.cpp.o" "gcc" "CMakeFiles/vantro_host_core.dir/host/state_lookup.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/CMakeFiles/vantro_screens.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/vantro_instrument.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/vantro_lcd.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
