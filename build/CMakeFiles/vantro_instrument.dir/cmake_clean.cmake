file(REMOVE_RECURSE
  "CMakeFiles/vantro_instrument.dir/instrument/airdata.cpp.o"
  "CMakeFiles/vantro_instrument.dir/instrument/airdata.cpp.o.d"
  "CMakeFiles/vantro_instrument.dir/instrument/engine_fuel.cpp.o"
  "CMakeFiles/vantro_instrument.dir/instrument/engine_fuel.cpp.o.d"
  "CMakeFiles/vantro_instrument.dir/instrument/flight.cpp.o"
  "CMakeFiles/vantro_instrument.dir/instrument/flight.cpp.o.d"
  "CMakeFiles/vantro_instrument.dir/instrument/host_time.cpp.o"
  "CMakeFiles/vantro_instrument.dir/instrument/host_time.cpp.o.d"
  "CMakeFiles/vantro_instrument.dir/instrument/inputs.cpp.o"
  "CMakeFiles/vantro_instrument.dir/instrument/inputs.cpp.o.d"
  "CMakeFiles/vantro_instrument.dir/instrument/settings.cpp.o"
  "CMakeFiles/vantro_instrument.dir/instrument/settings.cpp.o.d"
  "libvantro_instrument.a"
  "libvantro_instrument.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro_instrument.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
