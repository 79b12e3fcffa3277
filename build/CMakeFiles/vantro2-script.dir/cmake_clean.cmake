file(REMOVE_RECURSE
  "CMakeFiles/vantro2-script.dir/host/png_writer.cpp.o"
  "CMakeFiles/vantro2-script.dir/host/png_writer.cpp.o.d"
  "CMakeFiles/vantro2-script.dir/host/script/main.cpp.o"
  "CMakeFiles/vantro2-script.dir/host/script/main.cpp.o.d"
  "CMakeFiles/vantro2-script.dir/host/script/render_extras.cpp.o"
  "CMakeFiles/vantro2-script.dir/host/script/render_extras.cpp.o.d"
  "CMakeFiles/vantro2-script.dir/host/script/script_panel.cpp.o"
  "CMakeFiles/vantro2-script.dir/host/script/script_panel.cpp.o.d"
  "vantro2-script"
  "vantro2-script.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro2-script.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
