file(REMOVE_RECURSE
  "CMakeFiles/vantro_lcd.dir/lcd/framebuffer.cpp.o"
  "CMakeFiles/vantro_lcd.dir/lcd/framebuffer.cpp.o.d"
  "CMakeFiles/vantro_lcd.dir/lcd/text.cpp.o"
  "CMakeFiles/vantro_lcd.dir/lcd/text.cpp.o.d"
  "CMakeFiles/vantro_lcd.dir/lcd/zz_font_stub.cpp.o"
  "CMakeFiles/vantro_lcd.dir/lcd/zz_font_stub.cpp.o.d"
  "libvantro_lcd.a"
  "libvantro_lcd.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/vantro_lcd.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
