file(REMOVE_RECURSE
  "CMakeFiles/vantro_screens.dir/screens/main_page.cpp.o"
  "CMakeFiles/vantro_screens.dir/screens/main_page.cpp.o.d"
  "CMakeFiles/vantro_screens.dir/screens/navigation.cpp.o"
  "CMakeFiles/vantro_screens.dir/screens/navigation.cpp.o.d"
  "CMakeFiles/vantro_screens.dir/screens/screen_registry.cpp.o"
  "CMakeFiles/vantro_screens.dir/screens/screen_registry.cpp.o.d"
  "libvantro_screens.a"
  "libvantro_screens.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro_screens.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
