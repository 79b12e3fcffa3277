file(REMOVE_RECURSE
  "CMakeFiles/vantro_host_core.dir/host/main_loop.cpp.o"
  "CMakeFiles/vantro_host_core.dir/host/main_loop.cpp.o.d"
  "CMakeFiles/vantro_host_core.dir/host/panel_actions.cpp.o"
  "CMakeFiles/vantro_host_core.dir/host/panel_actions.cpp.o.d"
  "CMakeFiles/vantro_host_core.dir/host/state_lookup.cpp.o"
  "CMakeFiles/vantro_host_core.dir/host/state_lookup.cpp.o.d"
  "libvantro_host_core.a"
  "libvantro_host_core.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro_host_core.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
