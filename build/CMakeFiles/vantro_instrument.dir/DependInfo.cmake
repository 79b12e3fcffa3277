
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/instrument/airdata.cpp" "CMakeFiles/vantro_instrument.dir/instrument/airdata.cpp.o" "gcc" "CMakeFiles/vantro_instrument.dir/instrument/airdata.cpp.o.d"
  "/work/main/instrument/engine_fuel.cpp" "CMakeFiles/vantro_instrument.dir/instrument/engine_fuel.cpp.o" "gcc" "CMakeFiles/vantro_instrument.dir/instrument/engine_fuel.cpp.o.d"
  "/work/main/instrument/flight.cpp" "CMakeFiles/vantro_instrument.dir/instrument/flight.cpp.o" "gcc" "CMakeFiles/vantro_instrument.dir/instrument/flight.cpp.o.d"
  "/work/main/instrument/host_time.cpp" "CMakeFiles/vantro_instrument.dir/instrument/host_time.cpp.o" "gcc" "CMakeFiles/vantro_instrument.dir/instrument/host_time.cpp.o.d"
  "/work/main/instrument/inputs.cpp" "CMakeFiles/vantro_instrument.dir/instrument/inputs.cpp.o" "gcc" "CMakeFiles/vantro_instrument.dir/instrument/inputs.cpp.o.d"
  "/work/main/instrument/settings.cpp" "CMakeFiles/vantro_instrument.dir/instrument/settings.cpp.o" "gcc" "CMakeFiles/vantro_instrument.dir/instrument/settings.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/CMakeFiles/vantro_lcd.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
