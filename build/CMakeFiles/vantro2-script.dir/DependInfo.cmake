
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/host/png_writer.cpp" "CMakeFiles/vantro2-script.dir/host/png_writer.cpp.o" "gcc" "CMakeFiles/vantro2-script.dir/host/png_writer.cpp.o.d"
  "/work/main/host/script/main.cpp" "CMakeFiles/vantro2-script.dir/host/script/main.cpp.o" "gcc" "CMakeFiles/vantro2-script.dir/host/script/main.cpp.o.d"
  "/work/main/host/script/render_extras.cpp" "CMakeFiles/vantro2-script.dir/host/script/render_extras.cpp.o" "gcc" "CMakeFiles/vantro2-script.dir/host/script/render_extras.cpp.o.d"
  "/work/main/host/script/script_panel.cpp" "CMakeFiles/vantro2-script.dir/host/script/script_panel.cpp.o" "gcc" "CMakeFiles/vantro2-script.dir/host/script/script_panel.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build/CMakeFiles/vantro_host_core.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/vantro_screens.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/vantro_instrument.dir/DependInfo.cmake"
  "/work/main/build/CMakeFiles/vantro_lcd.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
