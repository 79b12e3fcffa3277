file(REMOVE_RECURSE
  "libvantro_lcd.a"
)
